#include "common/line_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace docbase {
namespace {
// Bytes gathered before a write to the file. The buffer starts small and
// grows to this size, so that many small files stay cheap.
constexpr size_t kBufferSize = 1 << 20;
constexpr size_t kInitialBuffer = 64 << 10;
}  // namespace

LineWriter::~LineWriter() {
  if (fd_ >= 0) (void)Close();
}

Status LineWriter::Open(const std::filesystem::path& path, Mode mode) {
  if (fd_ >= 0) (void)Close();
  path_ = path.string();
  status_ = Status::Ok();
  int flags = O_WRONLY | O_CREAT | O_CLOEXEC |
              (mode == Mode::kAppend ? O_APPEND : O_TRUNC);
  fd_ = ::open(path_.c_str(), flags, 0666);
  if (fd_ < 0) return status_ = Status::FromErrno(path_, "cannot create");
  used_ = 0;
  if (capacity_ == 0) {
    buffer_.reset(new char[kInitialBuffer]);  // not zero-filled
    capacity_ = kInitialBuffer;
  }
  return Status::Ok();
}

void LineWriter::WriteSlow(std::string_view bytes) {
  // Grow the buffer while it is small, then flush it when it is full.
  size_t needed = used_ + bytes.size();
  if (capacity_ < kBufferSize && needed <= kBufferSize) {
    size_t grown = std::max(capacity_ * 2, kInitialBuffer);
    while (grown < needed) grown *= 2;
    grown = std::min(grown, kBufferSize);
    std::unique_ptr<char[]> larger(new char[grown]);
    if (used_ > 0) std::memcpy(larger.get(), buffer_.get(), used_);
    buffer_ = std::move(larger);
    capacity_ = grown;
  } else {
    Flush();
  }
  if (bytes.size() > capacity_ - used_) {
    WriteOut(bytes.data(), bytes.size());
    return;
  }
  std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void LineWriter::WriteRecord(std::initializer_list<std::string_view> fields) {
  bool first = true;
  for (std::string_view field : fields) {
    Write(first ? std::string_view("\"") : std::string_view(",\""));
    Write(field);
    Write("\"");
    first = false;
  }
  Write("\r\n");
}

void LineWriter::Flush() {
  WriteOut(buffer_.get(), used_);
  used_ = 0;
}

void LineWriter::WriteOut(const char* data, size_t left) {
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
  }
}

Status LineWriter::Close() {
  if (fd_ < 0) return status_;
  Flush();
  if (::close(fd_) != 0 && status_.ok()) {
    status_ = Status::FromErrno(path_, "cannot write");
  }
  fd_ = -1;
  return status_;
}

}  // namespace docbase
