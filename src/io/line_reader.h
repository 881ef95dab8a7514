// LineReader reads a file line by line through a large buffer. A line ends
// at LF, at CR LF or at a lone CR; the end is not part of the line. Bytes are
// never decoded, and a line may be of any length (the buffer grows).
//
// A file that does not exist reads as empty, as the phases expect of a
// missing input; a file that exists but cannot be opened or read is an I/O
// error. The bytes may also come from a ByteSource instead of a file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/status.h"
#include "io/byte_source.h"
#include "platform/file.h"

namespace docbase {

class LineReader {
 public:
  static constexpr size_t kDefaultBufferSize = 1 << 20;

  LineReader() = default;
  // A reader that starts with a buffer of `buffer_size` bytes; it still grows
  // for a longer line. The run reads with the default size; the line_reader
  // fuzz check uses small ones so that every refill and growth is taken.
  explicit LineReader(size_t buffer_size) : buffer_size_(buffer_size) {}
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  Status Open(const std::filesystem::path& path);
  // Reads the bytes of `source`, which must outlive the reading.
  void Open(ByteSource* source);

  // Sets `*line` to the next line and returns true, or returns false at the
  // end of the file or after a read error (see status()). The view stays
  // valid until the next call.
  bool Next(std::string_view* line);

  // Ok, or the read error that ended the reading early.
  const Status& status() const { return status_; }
  // Whether Open found the file (or was given a source).
  bool found() const { return file_.is_open() || source_ != nullptr; }
  void Close();

 private:
  bool Fill();  // reads more bytes; false when nothing more came

  size_t buffer_size_ = kDefaultBufferSize;
  File file_;
  ByteSource* source_ = nullptr;
  std::string path_;
  std::string buffer_;
  size_t begin_ = 0;  // first unread byte
  size_t end_ = 0;    // one past the last byte read into the buffer
  bool eof_ = true;
  Status status_;
};

}  // namespace docbase
