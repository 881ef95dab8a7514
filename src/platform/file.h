// An open file of the platform: the one place where the program's bytes
// are read from and written to disk. Every read and write loops until the
// whole request is done (interrupted calls are taken up again), so callers
// see a transfer either complete, at the end of the file, or failed.
//
// A call that fails returns false (or -1) and leaves the system's reason for
// SystemError (platform/system_error.h), to be read at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

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

  bool Open(const std::filesystem::path& path, Mode mode);
  bool is_open() const { return handle_ != kClosed; }

  // Up to `size` bytes from the current place: the count read, 0 at the
  // end of the file, -1 on a failure.
  int64_t Read(void* data, size_t size);
  // All `size` bytes at the current place. A write that the system takes
  // without storing anything counts as a full disk.
  bool Write(const void* data, size_t size);

  // Up to `size` bytes at `offset`: fewer only at the end of the file; -1 on
  // a failure. The current place is not used.
  int64_t ReadAt(uint64_t offset, void* data, size_t size) const;
  bool WriteAt(uint64_t offset, const void* data, size_t size) const;

  bool Size(uint64_t* size) const;
  bool Truncate();  // to no bytes
  // False when closing reports a failure (a write the system had delayed).
  bool Close();

  // The descriptor or HANDLE, for the platform's own sources; Adopt takes
  // ownership of one.
  intptr_t native_handle() const { return handle_; }
  static File Adopt(intptr_t handle) {
    File file;
    file.handle_ = handle;
    return file;
  }

 private:
  static constexpr intptr_t kClosed = -1;
  intptr_t handle_ = kClosed;  // a descriptor, or a Windows HANDLE
};

}  // namespace docbase
