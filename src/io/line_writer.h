// LineWriter writes a file through a large buffer. Every line written with
// WriteLine ends in CR LF, as every file of the run does; Write adds bytes
// without a line end, for lines assembled from pieces.
//
// A writer may hold what it writes in memory for a while (Hold), to put
// bytes it writes last in front of the others: a page's head that names
// what its body holds.
//
// Write errors (a full disk, say) are kept and returned by Close, which
// must be called and checked: a file is only known to be complete once
// Close has returned ok.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "base/status.h"
#include "platform/file.h"

namespace docbase {

class LineWriter {
 public:
  enum class Mode { kReplace, kAppend };

  LineWriter() = default;
  ~LineWriter();  // closes without reporting; call Close to check
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  // Creates or empties the file (kReplace), or opens it for appending.
  Status Open(const std::filesystem::path& path, Mode mode = Mode::kReplace);

  void Write(std::string_view bytes) {
    if (bytes.size() <= capacity_ - used_) {
      // An empty view may carry a null pointer, which memcpy must not get.
      if (bytes.empty()) return;
      std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
      used_ += bytes.size();
      return;
    }
    WriteSlow(bytes);
  }
  void WriteLine(std::string_view line) {
    Write(line);
    Write("\r\n");
  }

  // Keeps every byte written from here on in memory, however many, until
  // Release or Close.
  void Hold();
  // Moves the bytes written since `from` (a written() value, at or after
  // Hold) in front of all the others held, in place of the first
  // `replaced` of them.
  void MoveToHoldStart(uint64_t from, size_t replaced = 0);
  void Release() { holding_ = false; }

  Status Close();
  bool is_open() const { return file_.is_open(); }
  // The bytes written since Open, buffered ones included.
  uint64_t written() const { return flushed_ + used_; }
  const std::string& path() const { return path_; }

 private:
  void WriteSlow(std::string_view bytes);
  void Flush();
  void WriteOut(const char* data, size_t size);

  File file_;
  std::string path_;
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = 0;
  size_t used_ = 0;
  uint64_t flushed_ = 0;  // handed to the file since Open
  bool holding_ = false;  // the buffer grows instead of being flushed
  Status status_;
};

}  // namespace docbase
