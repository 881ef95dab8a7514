#include "common/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace docbase {

RecordFile::~RecordFile() { Close(); }

Status RecordFile::Open(const std::filesystem::path& path, uint64_t size) {
  Close();
  path_ = path.string();
  fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0) return Status::FromErrno(path_, "cannot open work file");
  struct stat info;
  if (::fstat(fd_, &info) != 0) {
    return Status::FromErrno(path_, "cannot read work file");
  }
  if (static_cast<uint64_t>(info.st_size) != size) return Damaged();
  return Status::Ok();
}

Status RecordFile::Damaged() const {
  return Status::IoError(path_, "work file is damaged");
}

void RecordFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

Status RecordFile::ReadAt(uint64_t offset, void* data, size_t size) const {
  char* at = static_cast<char*>(data);
  while (size > 0) {
    ssize_t got = ::pread(fd_, at, size, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Status::FromErrno(path_, "cannot read work file");
    if (got == 0) return Status::IoError(path_, "work file is cut short");
    at += got;
    size -= static_cast<size_t>(got);
    offset += static_cast<uint64_t>(got);
  }
  return Status::Ok();
}

Status RecordFile::WriteAt(uint64_t offset, const void* data,
                           size_t size) const {
  const char* at = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t put = ::pwrite(fd_, at, size, static_cast<off_t>(offset));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return Status::FromErrno(path_, "cannot write work file");
    at += put;
    size -= static_cast<size_t>(put);
    offset += static_cast<uint64_t>(put);
  }
  return Status::Ok();
}

}  // namespace docbase
