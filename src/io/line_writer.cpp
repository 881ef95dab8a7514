#include "io/line_writer.h"

#include <algorithm>

#include "platform/file_system.h"
#include "platform/path.h"

namespace docbase {
namespace {
// Bytes gathered before a write to the file. The buffer starts small and
// grows to this size, so that many small files stay cheap.
constexpr size_t kBufferSize = 1 << 20;
constexpr size_t kInitialBuffer = 64 << 10;
}  // namespace

LineWriter::~LineWriter() {
  if (file_.is_open()) (void)Close();
}

Status LineWriter::Open(const std::filesystem::path& path, Mode mode) {
  if (file_.is_open()) (void)Close();
  path_ = Utf8FromPath(path);
  status_ = Status::Ok();
  // Why the name could not be freed, when it could not.
  Status not_removed;
  if (mode == Mode::kReplace) {
    // A new file, made after whatever stood at the name is removed as a
    // name: a link, or another name of a file, is never written through.
    not_removed = RemoveFileName(path);
    if (not_removed.not_found()) not_removed = Status::Ok();
  }
  Status opened =
      file_.Open(path, mode == Mode::kAppend ? File::Mode::kWriteAppend
                                             : File::Mode::kCreateNew);
  if (!opened.ok()) {
    // A file left in place (on a read-only file system, say) makes the new
    // one fail as taken; the reason it stayed is the one that tells.
    if (!not_removed.ok()) {
      return status_ = not_removed.WithAction("cannot create");
    }
    return status_ = opened.WithAction("cannot create");
  }
  used_ = 0;
  flushed_ = 0;
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

void LineWriter::Flush() {
  WriteOut(buffer_.get(), used_);
  used_ = 0;
}

void LineWriter::WriteOut(const char* data, size_t left) {
  flushed_ += left;
  if (left == 0 || !file_.is_open() || !status_.ok()) return;
  status_ = file_.Write(data, left).WithAction("cannot write");
}

Status LineWriter::Close() {
  if (!file_.is_open()) return status_;
  Flush();
  Status closed = file_.Close();
  if (status_.ok()) status_ = closed.WithAction("cannot write");
  return status_;
}

}  // namespace docbase
