#include "sort/record_sort.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace docbase {

SortRunFile::~SortRunFile() {
  if (fd_ >= 0) ::close(fd_);
}

Status SortRunFile::Create() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
  if (::unlink(path_.c_str()) != 0 && errno != ENOENT) {
    return Status::FromErrno(path_, "cannot create");
  }
  fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd_ < 0) return Status::FromErrno(path_, "cannot create");
  created_ = true;
  return Status::Ok();
}

Status SortRunFile::Clear() {
  if (::ftruncate(fd_, 0) != 0) return Status::FromErrno(path_, "cannot write");
  size_ = 0;
  return Status::Ok();
}

Status SortRunFile::Append(const void* data, size_t bytes) {
  const char* next = static_cast<const char*>(data);
  while (bytes > 0) {
    ssize_t done = ::pwrite(fd_, next, bytes, static_cast<off_t>(size_));
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      if (done == 0) errno = ENOSPC;
      return Status::FromErrno(path_, "cannot write");
    }
    next += done;
    bytes -= static_cast<size_t>(done);
    size_ += static_cast<uint64_t>(done);
  }
  return Status::Ok();
}

Status SortRunFile::ReadAt(void* data, size_t bytes, uint64_t offset) const {
  char* next = static_cast<char*>(data);
  while (bytes > 0) {
    ssize_t done = ::pread(fd_, next, bytes, static_cast<off_t>(offset));
    if (done < 0 && errno == EINTR) continue;
    if (done < 0) return Status::FromErrno(path_, "cannot read");
    if (done == 0) {
      return Status::IoError(path_, "shorter than written (cut short)");
    }
    next += done;
    bytes -= static_cast<size_t>(done);
    offset += static_cast<uint64_t>(done);
  }
  return Status::Ok();
}

Status SortRunFile::CheckSize() const {
  struct stat info;
  if (::fstat(fd_, &info) != 0) return Status::FromErrno(path_, "cannot read");
  return static_cast<uint64_t>(info.st_size) == size_ ? Status::Ok()
                                                      : Damaged();
}

Status SortRunFile::Damaged() const {
  return Status::IoError(path_, "work file is damaged");
}

Status SortRunFile::Remove() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
  if (!created_) return Status::Ok();
  created_ = false;
  if (::unlink(path_.c_str()) != 0 && errno != ENOENT) {
    return Status::FromErrno(path_, "cannot delete");
  }
  return Status::Ok();
}

}  // namespace docbase
