// RunFileWriter writes a file of lines (each ended by CR LF) over the file
// of the same name that an earlier sort left, without emptying it first,
// and cuts it to its new length at Close. The file system then reuses the
// file's storage: on a memory file system, rewriting pages in place costs
// about half as much as allocating fresh ones and freeing the old ones.
// The run files of one sort are about the size of those of the sort before.
//
// A file that has other names too (a hard link) is never written over: it
// is replaced by a new file, so the other names keep their contents.
//
// As with LineWriter, errors are kept and returned by Close, which must be
// called and checked.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "common/status.h"

namespace docbase {

class RunFileWriter {
 public:
  RunFileWriter() = default;
  ~RunFileWriter();  // closes without reporting; call Close to check
  RunFileWriter(const RunFileWriter&) = delete;
  RunFileWriter& operator=(const RunFileWriter&) = delete;

  // On failure, errno is still that of the failed open(2).
  Status Open(const std::filesystem::path& path);
  void WriteLine(std::string_view line) {
    if (line.size() + 2 <= kBufferSize - used_) {
      std::memcpy(buffer_.get() + used_, line.data(), line.size());
      used_ += line.size();
      buffer_[used_++] = '\r';
      buffer_[used_++] = '\n';
      return;
    }
    WriteSlow(line);
  }
  Status Close();

 private:
  static constexpr size_t kBufferSize = 1 << 20;

  void WriteSlow(std::string_view line);
  void Flush();
  void WriteOut(const char* data, size_t size);

  int fd_ = -1;
  std::string path_;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  uint64_t written_ = 0;  // bytes written to the file so far
  Status status_;
};

}  // namespace docbase
