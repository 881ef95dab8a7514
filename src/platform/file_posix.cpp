#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/system_error.h"

namespace docbase {
namespace {

int Flags(File::Mode mode) {
  switch (mode) {
    case File::Mode::kRead:
      return O_RDONLY;
    case File::Mode::kReadWrite:
      return O_RDWR;
    case File::Mode::kWriteTruncate:
      return O_WRONLY | O_CREAT | O_TRUNC;
    case File::Mode::kWriteAppend:
      return O_WRONLY | O_CREAT | O_APPEND;
    case File::Mode::kCreateNew:
      return O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW;
  }
  return O_RDONLY;
}

// All `size` bytes, at the current place or, with `offset`, there. A write
// that the system takes without storing anything counts as a full disk.
Status WriteAll(int fd, const std::filesystem::path& path, const void* data,
                size_t size, const uint64_t* offset) {
  const char* next = static_cast<const char*>(data);
  uint64_t at = offset ? *offset : 0;
  while (size > 0) {
    ssize_t put = offset ? ::pwrite(fd, next, size, static_cast<off_t>(at))
                         : ::write(fd, next, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) SetDiskFullError();
      return LastError(path);
    }
    next += put;
    size -= static_cast<size_t>(put);
    at += static_cast<uint64_t>(put);
  }
  return Status::Ok();
}

}  // namespace

Status File::Open(const std::filesystem::path& path, Mode mode) {
  (void)Close();
  path_ = path;
  int fd = ::open(path.c_str(), Flags(mode) | O_CLOEXEC, 0666);
  if (fd < 0) return LastError(path);
  handle_ = fd;
  return Status::Ok();
}

Status File::Read(void* data, size_t size, size_t* got) {
  *got = 0;
  for (;;) {
    ssize_t read = ::read(static_cast<int>(handle_), data, size);
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return LastError(path_);
    *got = static_cast<size_t>(read);
    return Status::Ok();
  }
}

Status File::Write(const void* data, size_t size) {
  return WriteAll(static_cast<int>(handle_), path_, data, size, nullptr);
}

Status File::ReadAt(uint64_t offset, void* data, size_t size,
                    size_t* got) const {
  char* next = static_cast<char*>(data);
  *got = 0;
  while (size > 0) {
    ssize_t read = ::pread(static_cast<int>(handle_), next, size,
                           static_cast<off_t>(offset));
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return LastError(path_);
    if (read == 0) break;
    next += read;
    size -= static_cast<size_t>(read);
    offset += static_cast<uint64_t>(read);
    *got += static_cast<size_t>(read);
  }
  return Status::Ok();
}

Status File::WriteAt(uint64_t offset, const void* data, size_t size) const {
  return WriteAll(static_cast<int>(handle_), path_, data, size, &offset);
}

Status File::Size(uint64_t* size) const {
  struct stat info;
  if (::fstat(static_cast<int>(handle_), &info) != 0) return LastError(path_);
  *size = static_cast<uint64_t>(info.st_size);
  return Status::Ok();
}

Status File::Truncate() {
  if (::ftruncate(static_cast<int>(handle_), 0) != 0) return LastError(path_);
  return Status::Ok();
}

Status File::Close() {
  if (handle_ == kClosed) return Status::Ok();
  int fd = static_cast<int>(std::exchange(handle_, kClosed));
  if (::close(fd) != 0) return LastError(path_);
  return Status::Ok();
}

}  // namespace docbase
