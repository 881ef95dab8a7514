#include "io/line_reader.h"

#include <algorithm>
#include <cstring>

#include "platform/path.h"

namespace docbase {
namespace {
// Small files get a small buffer (many files are opened, and filling a big
// buffer for each costs more than reading them); large files a big one.
constexpr size_t kSmallBuffer = 64 << 10;

// The first CR or LF in [p, p + n), or nullptr. Looks in growing windows so
// that a file holding only one of the two bytes costs time in proportion to
// its line lengths, not to the bytes left in the buffer.
const char* FindLineEnd(const char* p, size_t n) {
  size_t window = 256;
  while (n > 0) {
    size_t part = n < window ? n : window;
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', part));
    size_t before_lf = lf ? static_cast<size_t>(lf - p) : part;
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', before_lf));
    if (cr) return cr;
    if (lf) return lf;
    p += part;
    n -= part;
    window *= 2;
  }
  return nullptr;
}

}  // namespace

LineReader::~LineReader() { Close(); }

void LineReader::Close() {
  (void)file_.Close();
  source_ = nullptr;
  eof_ = true;
  begin_ = end_ = 0;
}

Status LineReader::Open(const std::filesystem::path& path) {
  Close();
  path_ = Utf8FromPath(path);
  status_ = Status::Ok();
  if (Status opened = file_.Open(path, File::Mode::kRead); !opened.ok()) {
    if (opened.not_found()) return Status::Ok();
    return status_ = opened.WithAction("cannot open for reading");
  }
  uint64_t size = 0;
  size_t wanted = std::min(kSmallBuffer, buffer_size_);
  if (file_.Size(&size).ok() && size > wanted) wanted = buffer_size_;
  if (buffer_.size() < wanted) buffer_.resize(wanted);
  eof_ = false;
  return Status::Ok();
}

void LineReader::Open(ByteSource* source) {
  Close();
  path_.clear();
  status_ = Status::Ok();
  source_ = source;
  const size_t wanted = std::min(kSmallBuffer, buffer_size_);
  if (buffer_.size() < wanted) buffer_.resize(wanted);
  eof_ = false;
}

bool LineReader::Fill() {
  if (eof_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  if (source_ != nullptr) {
    size_t got = 0;
    status_ = source_->Read(buffer_.data() + end_, buffer_.size() - end_, &got);
    end_ += got;
    if (got > 0 && status_.ok()) return true;
    eof_ = true;
    return false;
  }
  size_t got = 0;
  Status read = file_.Read(buffer_.data() + end_, buffer_.size() - end_, &got);
  if (read.ok() && got > 0) {
    end_ += got;
    return true;
  }
  if (!read.ok()) status_ = read.WithAction("cannot read");
  eof_ = true;
  return false;
}

bool LineReader::Next(std::string_view* line) {
  size_t scanned = 0;  // bytes from begin_ known to hold no line end
  for (;;) {
    const char* base = buffer_.data() + begin_;
    size_t avail = end_ - begin_;
    const char* stop = FindLineEnd(base + scanned, avail - scanned);
    if (stop && *stop == '\n') {
      size_t length = static_cast<size_t>(stop - base);
      *line = std::string_view(base, length);
      begin_ += length + 1;
      return true;
    }
    if (stop) {
      size_t length = static_cast<size_t>(stop - base);
      if (length + 1 == avail && !eof_) {
        // A CR at the end of the buffer: the next byte decides whether it
        // is CR LF or a lone CR.
        scanned = length;  // offsets from begin_ survive the refill
        Fill();
        continue;
      }
      *line = std::string_view(base, length);
      begin_ += length + 1;
      if (length + 1 < avail && base[length + 1] == '\n') ++begin_;
      return true;
    }
    scanned = avail;
    if (!Fill()) {
      if (end_ == begin_) return false;
      // The last line has no line end.
      *line = std::string_view(buffer_.data() + begin_, end_ - begin_);
      begin_ = end_;
      return true;
    }
  }
}

}  // namespace docbase
