#include "sort/run_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace docbase {

RunFileWriter::~RunFileWriter() {
  if (fd_ >= 0) (void)Close();
}

Status RunFileWriter::Open(const std::filesystem::path& path) {
  if (fd_ >= 0) (void)Close();
  path_ = path.string();
  status_ = Status::Ok();
  used_ = 0;
  written_ = 0;
  fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ >= 0) {
    struct stat info {};
    if (::fstat(fd_, &info) == 0 && info.st_nlink > 1) {
      // Shared with another name: start a file of its own.
      ::close(fd_);
      ::unlink(path_.c_str());
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                   0666);
    }
  }
  if (fd_ < 0) return status_ = Status::FromErrno(path_, "cannot create");
  if (!buffer_) buffer_.reset(new char[kBufferSize]);  // not zero-filled
  return Status::Ok();
}

void RunFileWriter::WriteSlow(std::string_view line) {
  Flush();
  if (line.size() + 2 > kBufferSize) {
    WriteOut(line.data(), line.size());
    WriteOut("\r\n", 2);
    return;
  }
  WriteLine(line);
}

void RunFileWriter::Flush() {
  WriteOut(buffer_.get(), used_);
  used_ = 0;
}

void RunFileWriter::WriteOut(const char* data, size_t left) {
  while (left > 0 && fd_ >= 0 && status_.ok()) {
    ssize_t done = ::write(fd_, data, left);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      if (done == 0) errno = ENOSPC;
      status_ = Status::FromErrno(path_, "cannot write");
      break;
    }
    data += done;
    left -= static_cast<size_t>(done);
    written_ += static_cast<uint64_t>(done);
  }
}

Status RunFileWriter::Close() {
  if (fd_ < 0) return status_;
  Flush();
  // What is left of the earlier contents goes.
  if (status_.ok() && ::ftruncate(fd_, static_cast<off_t>(written_)) != 0) {
    status_ = Status::FromErrno(path_, "cannot write");
  }
  if (::close(fd_) != 0 && status_.ok()) {
    status_ = Status::FromErrno(path_, "cannot write");
  }
  fd_ = -1;
  return status_;
}

}  // namespace docbase
