// LineWriter writes a file through a large buffer. Every line written with
// WriteLine ends in CR LF, as every file of the run does; Write adds bytes
// without a line end, for lines assembled from pieces.
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
  Status status_;
};

}  // namespace docbase
