// RecordFile holds a work file of fixed-size binary records: tables that
// one phase writes (through a LineWriter, whose Write takes any bytes) and
// later phases read back, in blocks at known places or as a stream, and may
// update in place. The records are the program's own; a file that is
// missing or of another size than its writer left it is an error, never an
// empty or short table taken as complete. Each stretch of records a phase
// reads back (a page's records) comes with the checksum its writer kept in
// memory (io/checksum.h): a changed byte is an error as well, "work
// file is damaged", naming the file.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

#include "base/status.h"
#include "io/checksum.h"
#include "io/line_writer.h"
#include "platform/file.h"

namespace docbase {

class RecordFile {
 public:
  RecordFile() = default;
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Opens an existing file for reading and writing; a file that does not
  // hold exactly `size` bytes (what its writer left) is damaged.
  Status Open(const std::filesystem::path& path, uint64_t size);
  void Close();
  const std::string& path() const { return path_; }

  // Exactly `size` bytes at `offset`; fewer is an error.
  Status ReadAt(uint64_t offset, void* data, size_t size) const;
  Status WriteAt(uint64_t offset, const void* data, size_t size) const;

  // The error of a file whose records are not what was written.
  Status Damaged() const;

 private:
  File file_;
  std::string path_;
};

// Records [first, first + count) of the file, counted in records of T.
template <typename T>
Status ReadRecords(const RecordFile& file, uint64_t first, size_t count,
                   std::vector<T>* records) {
  static_assert(std::is_trivially_copyable_v<T>);
  records->resize(count);
  if (count == 0) return Status::Ok();
  return file.ReadAt(first * sizeof(T), records->data(), count * sizeof(T));
}

// The same, checked against the checksum the writer kept for them.
template <typename T>
Status ReadCheckedRecords(const RecordFile& file, uint64_t first, size_t count,
                          uint64_t checksum, std::vector<T>* records) {
  DOCBASE_RETURN_IF_ERROR(ReadRecords(file, first, count, records));
  RecordChecksum read;
  read.Add(records->data(), records->size());
  return read.value() == checksum ? Status::Ok() : file.Damaged();
}

template <typename T>
Status WriteRecords(const RecordFile& file, uint64_t first,
                    const std::vector<T>& records) {
  if (records.empty()) return Status::Ok();
  return file.WriteAt(first * sizeof(T), records.data(),
                      records.size() * sizeof(T));
}

// Appends the bytes of `record` to a file being written.
template <typename T>
void WriteRecord(LineWriter& out, const T& record) {
  static_assert(std::is_trivially_copyable_v<T>);
  out.Write(
      std::string_view(reinterpret_cast<const char*>(&record), sizeof(T)));
}

// Reads records [first, first + count) in order through a buffer, and
// checks them against `checksum` as the last block comes in: a damaged
// stretch gives an error before its last records are handed out.
template <typename T>
class RecordStream {
 public:
  RecordStream(const RecordFile& file, uint64_t first, uint64_t count,
               uint64_t checksum)
      : file_(file), next_(first), end_(first + count), checksum_(checksum) {}

  // False at the end of the range or after an error (see status()).
  bool Next(T* record) {
    if (position_ == buffer_.size()) {
      if (next_ == end_ || !status_.ok()) return false;
      size_t count =
          static_cast<size_t>(std::min<uint64_t>(end_ - next_, kBufferRecords));
      status_ = ReadRecords(file_, next_, count, &buffer_);
      if (!status_.ok()) return false;
      read_.Add(buffer_.data(), buffer_.size());
      next_ += count;
      position_ = 0;
      if (next_ == end_ && read_.value() != checksum_) {
        status_ = file_.Damaged();
        return false;
      }
    }
    *record = buffer_[position_++];
    return true;
  }
  const Status& status() const { return status_; }

  // The record `distance` places after the one Next gave last, when it is
  // already read in, else null: a look ahead for prefetching what it will
  // need. Its checksum may not have been checked yet.
  const T* Ahead(size_t distance) const {
    const size_t at = position_ + distance - 1;
    return at < buffer_.size() ? &buffer_[at] : nullptr;
  }

 private:
  static constexpr size_t kBufferRecords = (1 << 20) / sizeof(T);
  const RecordFile& file_;
  uint64_t next_;
  uint64_t end_;
  uint64_t checksum_;
  RecordChecksum read_;
  std::vector<T> buffer_;
  size_t position_ = 0;
  Status status_;
};

}  // namespace docbase
