// An open file of the platform: the one place where the program's bytes
// are read from and written to disk. Every read and write loops until the
// whole request is done (interrupted calls are taken up again), so callers
// see a transfer either complete, at the end of the file, or failed.
//
// Every call that can fail returns a Status made where it failed, naming
// the file's path and giving the system's own reason (NotFound when the
// name or a folder on the way is missing).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "base/status.h"

namespace docbase {

class File {
 public:
  enum class Mode {
    kRead,           // an existing file, read only
    kReadWrite,      // an existing file, read and written in place
    kWriteTruncate,  // created, or emptied when it exists; written
    kWriteAppend,    // created, or written on at its end
    kCreateNew,      // made new (fails when the name is taken, by a link
                     // too: nothing is opened through one); read and written
  };

  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  Status Open(const std::filesystem::path& path, Mode mode);
  bool is_open() const { return handle_ != kClosed; }

  // Up to `size` bytes from the current place; `*got` is 0 at the end of
  // the file.
  Status Read(void* data, size_t size, size_t* got);
  // All `size` bytes at the current place. A write that the system takes
  // without storing anything counts as a full disk.
  Status Write(const void* data, size_t size);

  // Up to `size` bytes at `offset`: fewer only at the end of the file. The
  // current place is not used, but Windows moves it: a file is read and
  // written either by place or at its current place, never both.
  Status ReadAt(uint64_t offset, void* data, size_t size, size_t* got) const;
  Status WriteAt(uint64_t offset, const void* data, size_t size) const;

  Status Size(uint64_t* size) const;
  Status Truncate();  // to no bytes
  // A failure here is a write the system had delayed. Closing a file that
  // is not open is ok.
  Status Close();

  // The descriptor or HANDLE, for the platform's own sources; Adopt takes
  // ownership of one.
  intptr_t native_handle() const { return handle_; }
  static File Adopt(intptr_t handle, const std::filesystem::path& path) {
    File file;
    file.handle_ = handle;
    file.path_ = path;
    return file;
  }

 private:
  static constexpr intptr_t kClosed = -1;
  intptr_t handle_ = kClosed;  // a descriptor, or a Windows HANDLE
  std::filesystem::path path_;  // as failures name it
};

}  // namespace docbase
