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
bool WriteAll(int fd, const void* data, size_t size, const uint64_t* offset) {
  const char* next = static_cast<const char*>(data);
  uint64_t at = offset ? *offset : 0;
  while (size > 0) {
    ssize_t put = offset ? ::pwrite(fd, next, size, static_cast<off_t>(at))
                         : ::write(fd, next, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) SetDiskFullError();
      return false;
    }
    next += put;
    size -= static_cast<size_t>(put);
    at += static_cast<uint64_t>(put);
  }
  return true;
}

}  // namespace

bool File::Open(const std::filesystem::path& path, Mode mode) {
  (void)Close();
  int fd = ::open(path.c_str(), Flags(mode) | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  handle_ = fd;
  return true;
}

int64_t File::Read(void* data, size_t size) {
  for (;;) {
    ssize_t got = ::read(static_cast<int>(handle_), data, size);
    if (got < 0 && errno == EINTR) continue;
    return got;
  }
}

bool File::Write(const void* data, size_t size) {
  return WriteAll(static_cast<int>(handle_), data, size, nullptr);
}

int64_t File::ReadAt(uint64_t offset, void* data, size_t size) const {
  char* next = static_cast<char*>(data);
  int64_t total = 0;
  while (size > 0) {
    ssize_t got = ::pread(static_cast<int>(handle_), next, size,
                          static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    next += got;
    size -= static_cast<size_t>(got);
    offset += static_cast<uint64_t>(got);
    total += got;
  }
  return total;
}

bool File::WriteAt(uint64_t offset, const void* data, size_t size) const {
  return WriteAll(static_cast<int>(handle_), data, size, &offset);
}

bool File::Size(uint64_t* size) const {
  struct stat info;
  if (::fstat(static_cast<int>(handle_), &info) != 0) return false;
  *size = static_cast<uint64_t>(info.st_size);
  return true;
}

bool File::Truncate() { return ::ftruncate(static_cast<int>(handle_), 0) == 0; }

bool File::Close() {
  if (handle_ == kClosed) return true;
  int fd = static_cast<int>(std::exchange(handle_, kClosed));
  return ::close(fd) == 0;
}

}  // namespace docbase
