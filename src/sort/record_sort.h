// RecordSorter orders a table of fixed-size binary records that may not fit
// in memory. Records are added one by one into a buffer; each time the
// buffer is full it is sorted (std::stable_sort) and appended as a run to
// one work file. After Finish the sorted sequence can be read as often as
// needed: each pass merges the runs as it reads them, through a loser tree,
// with one read buffer per run. When everything fits in one buffer no file
// is made and the passes read the sorted buffer.
//
// The order is deterministic: records that compare equal come out in the
// order they were added (each run is sorted stably, runs hold consecutive
// stretches of the input, and merge ties go to the earlier run).
//
// Memory: `budget_bytes` bounds what the sorter holds. While adding, the
// buffer takes two thirds of it and the scratch space of std::stable_sort
// (half the buffer in libstdc++) the rest. A sorter made with
// `sort_aside` sorts and writes a full buffer on a thread of its own while
// the next one fills, so that adding never waits for a sort; its budget
// then holds two buffers and one sort's scratch space, and its runs are
// smaller. The order it gives is the same. A pass divides the budget among
// the read buffers of the runs. With a budget of 8-32 MB and up to about
// 5e7 records of 24 bytes there are at most about 225 runs, each read in
// blocks of 35 KB or more. Should more than kMaxMergeWidth runs be written
// (a tiny budget for the size of the input), Finish merges them in levels,
// groups of consecutive runs into one, through a second work file
// (`merge_path`), until few enough are left.
//
// Damage to a work file is an error, never silently wrong records: a file
// of another size than what was written, a run whose records do not give
// the checksum kept for it when it was written (io/checksum.h), and a
// record less than the one before it in a merge are errors naming the file.
//
// Preconditions: T is trivially copyable and default constructible; `Less`
// is a strict weak order on T. Add only before Finish; Open only after a
// Finish that succeeded and before Remove. Readers hold on to the sorter,
// which must outlive them; one reader at a time keeps within the budget.
//
// Usage:
//   RecordSorter<StoredWordPage, WordPageOrder> sorter(run_path, merge_path,
//                                                      16 << 20);
//   for (...) DOCBASE_RETURN_IF_ERROR(sorter.Add(word_page));
//   DOCBASE_RETURN_IF_ERROR(sorter.Finish());
//   RecordSorter<StoredWordPage, WordPageOrder>::Reader reader;
//   DOCBASE_RETURN_IF_ERROR(sorter.Open(&reader));
//   StoredWordPage word_page;
//   while (reader.Next(&word_page)) { ... }
//   DOCBASE_RETURN_IF_ERROR(reader.status());
//   DOCBASE_RETURN_IF_ERROR(sorter.Remove());
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/status.h"
#include "io/checksum.h"
#include "platform/file.h"
#include "platform/path.h"
#include "sort/loser_tree.h"

namespace docbase {

// A work file of records, written by appending and read at any offset with
// pread, so several readers can share its one descriptor.
class SortRunFile {
 public:
  explicit SortRunFile(std::filesystem::path path)
      : file_path_(std::move(path)), path_(Utf8FromPath(file_path_)) {}
  ~SortRunFile();  // closes, leaves the file
  SortRunFile(const SortRunFile&) = delete;
  SortRunFile& operator=(const SortRunFile&) = delete;

  // Makes a new empty file at the path, never writing through whatever
  // was there (another name of the same file, a symbolic link): an
  // existing entry is deleted first.
  Status Create();
  // Empties the file for new contents.
  Status Clear();
  // Writes `bytes` at the end of the file.
  Status Append(const void* data, size_t bytes);
  // Reads exactly `bytes` at `offset`; fewer is an error.
  Status ReadAt(void* data, size_t bytes, uint64_t offset) const;
  // An error unless the file holds exactly the bytes appended.
  Status CheckSize() const;
  // The error of a file whose records are not what was written.
  Status Damaged() const;
  // Closes and deletes the file if Create made it.
  Status Remove();

  bool is_open() const { return file_.is_open(); }
  uint64_t size() const { return size_; }  // bytes appended
  const std::string& path() const { return path_; }

 private:
  std::filesystem::path file_path_;
  std::string path_;  // as messages name it
  File file_;
  uint64_t size_ = 0;
  bool created_ = false;
};

// A sorted stretch of a work file.
struct RecordRun {
  uint64_t offset;    // in bytes
  uint64_t count;     // records
  uint64_t checksum;  // of its records, as written
};

// Merges runs of one record file in order, checking the order of what it
// gives and each run against its checksum as its last block comes in. Each
// run is read through its own buffer of `buffer_records`.
template <typename T, typename Less>
class RecordRunMerge {
 public:
  RecordRunMerge(const SortRunFile& file, const RecordRun* runs, size_t count,
                 size_t buffer_records, Less less)
      : file_(file),
        less_(std::move(less)),
        capacity_(buffer_records),
        buffers_(new T[count * buffer_records]),
        heads_(count),
        ends_(count),
        runs_(runs, runs + count),
        read_(count) {}

  // Fills every buffer. Precondition: at least one run.
  Status Start() {
    for (size_t run = 0; run < runs_.size(); ++run) Refill(run);
    if (status_.ok()) tree_.emplace(runs_.size(), HeadLess{this});
    return status_;
  }

  // The next record; false at the end or on an error (see status()).
  bool Next(T* record) {
    if (!status_.ok()) return false;
    size_t winner = tree_->winner();
    if (heads_[winner] == nullptr) return false;
    *record = *heads_[winner];
    if (have_last_ && less_(*record, last_)) {
      status_ = Status::IoError(file_.path(), "records out of order");
      return false;
    }
    last_ = *record;
    have_last_ = true;
    if (++heads_[winner] == ends_[winner]) Refill(winner);
    tree_->ReplayWinner();
    return true;
  }

  const Status& status() const { return status_; }

 private:
  // Orders runs by their head records, an exhausted run after all others,
  // ties to the lower run number. One record comparison.
  struct HeadLess {
    const RecordRunMerge* merge;
    bool operator()(size_t a, size_t b) const {
      const T* x = merge->heads_[a];
      const T* y = merge->heads_[b];
      if (x == nullptr) return false;
      if (y == nullptr) return true;
      return a < b ? !merge->less_(*y, *x) : merge->less_(*x, *y);
    }
  };

  // Reads the next block of `run`, or marks it exhausted.
  void Refill(size_t run) {
    RecordRun& left = runs_[run];
    heads_[run] = nullptr;
    if (left.count == 0 || !status_.ok()) return;
    size_t count =
        static_cast<size_t>(std::min<uint64_t>(left.count, capacity_));
    T* buffer = buffers_.get() + run * capacity_;
    status_ = file_.ReadAt(buffer, count * sizeof(T), left.offset);
    if (!status_.ok()) return;
    read_[run].Add(buffer, count);
    left.offset += count * sizeof(T);
    left.count -= count;
    if (left.count == 0 && read_[run].value() != left.checksum) {
      status_ = file_.Damaged();
      return;
    }
    heads_[run] = buffer;
    ends_[run] = buffer + count;
  }

  const SortRunFile& file_;
  Less less_;
  size_t capacity_;
  std::unique_ptr<T[]> buffers_;
  std::vector<const T*> heads_;  // next record of each run; null when done
  std::vector<const T*> ends_;
  std::vector<RecordRun> runs_;       // what is still unread of each run
  std::vector<RecordChecksum> read_;  // of what has been read of each run
  std::optional<LoserTree<HeadLess>> tree_;
  T last_{};
  bool have_last_ = false;
  Status status_;
};

template <typename T, typename Less = std::less<T>>
class RecordSorter {
  static_assert(std::is_trivially_copyable_v<T>);
  static_assert(std::is_default_constructible_v<T>);

 public:
  // Most runs one merge reads at once.
  static constexpr size_t kMaxMergeWidth = 512;

  // One sorted pass over the records.
  class Reader {
   public:
    Reader() = default;

    // The next record in order; false at the end or on an error.
    bool Next(T* record) {
      if (merge_) return merge_->Next(record);
      if (next_ == end_) return false;
      *record = *next_++;
      return true;
    }
    // Check once Next has returned false.
    Status status() const { return merge_ ? merge_->status() : Status::Ok(); }

   private:
    friend class RecordSorter;
    const T* next_ = nullptr;  // the records in memory
    const T* end_ = nullptr;
    std::unique_ptr<RecordRunMerge<T, Less>> merge_;  // or the runs
  };

  // `run_path`: the work file for the runs, made only when the records
  // overflow the buffer; `merge_path`: the one for merges in levels, made
  // only when there are too many runs. `budget_bytes`: see above; a budget
  // smaller than a few records still works, with buffers of one record.
  RecordSorter(std::filesystem::path run_path, std::filesystem::path merge_path,
               size_t budget_bytes, Less less = Less(), bool sort_aside = false)
      : files_{SortRunFile(std::move(run_path)),
               SortRunFile(std::move(merge_path))},
        budget_(budget_bytes),
        run_records_(std::max<size_t>(
            1, budget_bytes / (sizeof(T) * (sort_aside ? 5 : 3) / 2))),
        less_(std::move(less)),
        sort_aside_(sort_aside) {}
  ~RecordSorter() { (void)WaitForAsideRun(); }
  RecordSorter(const RecordSorter&) = delete;
  RecordSorter& operator=(const RecordSorter&) = delete;

  Status Add(const T& record) {
    assert(!finished_);
    if (buffer_.size() == buffer_.capacity()) {
      DOCBASE_RETURN_IF_ERROR(MakeRoom());
    }
    buffer_.push_back(record);
    ++size_;
    return Status::Ok();
  }

  // Sorts what is buffered, and merges the runs down to kMaxMergeWidth.
  Status Finish();

  uint64_t size() const { return size_; }
  // Runs written while adding; 0 when the records stayed in memory.
  size_t runs_written() const { return runs_written_; }

  // Starts a pass over the records in order, replacing what `reader` had.
  Status Open(Reader* reader) const;

  // Deletes the work files made (none when all stayed in memory).
  Status Remove();

 private:
  // The buffer is full: grows it up to run_records_, or writes it as a run.
  Status MakeRoom();
  // Sorts `records` and appends them to the run file as a run; clears them.
  Status WriteRun(std::vector<T>& records);
  // Waits for the run being written on the side, if any, and gives its
  // outcome (kept in status_).
  Status WaitForAsideRun();
  // Merges groups of consecutive runs into the other work file until at
  // most kMaxMergeWidth runs are left.
  Status MergeLevels();
  // Merges `count` runs from files_[current_] into one at the end of
  // `out`, buffering its writes; gives the checksum of the merged run.
  Status MergeGroup(const RecordRun* runs, size_t count, SortRunFile& out,
                    uint64_t* checksum);

  SortRunFile files_[2];
  int current_ = 0;  // the file that holds runs_
  size_t budget_;
  size_t run_records_;  // records per run
  Less less_;
  bool sort_aside_;
  std::vector<T> buffer_;
  // With sort_aside_: the full buffer being written by aside_writer_, which
  // alone touches it, files_ and runs_ until it is joined.
  std::vector<T> aside_;
  std::thread aside_writer_;
  Status aside_status_;
  std::vector<RecordRun> runs_;
  uint64_t size_ = 0;
  size_t runs_written_ = 0;
  bool finished_ = false;
  Status status_;  // the first failure; every later call returns it
};

template <typename T, typename Less>
Status RecordSorter<T, Less>::MakeRoom() {
  DOCBASE_RETURN_IF_ERROR(status_);
  if (buffer_.capacity() < run_records_) {
    // Grows by doubling, so a small table takes little memory.
    buffer_.reserve(
        std::min(run_records_, std::max<size_t>(1024, 2 * buffer_.capacity())));
    return Status::Ok();
  }
  if (!sort_aside_) return status_ = WriteRun(buffer_);
  DOCBASE_RETURN_IF_ERROR(WaitForAsideRun());
  std::swap(buffer_, aside_);
  buffer_.reserve(run_records_);
  aside_writer_ = std::thread([this] { aside_status_ = WriteRun(aside_); });
  return Status::Ok();
}

template <typename T, typename Less>
Status RecordSorter<T, Less>::WaitForAsideRun() {
  if (aside_writer_.joinable()) {
    aside_writer_.join();
    if (status_.ok()) status_ = aside_status_;
  }
  return status_;
}

template <typename T, typename Less>
Status RecordSorter<T, Less>::WriteRun(std::vector<T>& records) {
  SortRunFile& file = files_[current_];
  if (!file.is_open()) DOCBASE_RETURN_IF_ERROR(file.Create());
  std::stable_sort(records.begin(), records.end(), less_);
  uint64_t offset = file.size();
  DOCBASE_RETURN_IF_ERROR(
      file.Append(records.data(), records.size() * sizeof(T)));
  RecordChecksum checksum;
  checksum.Add(records.data(), records.size());
  runs_.push_back({offset, records.size(), checksum.value()});
  ++runs_written_;
  records.clear();
  return Status::Ok();
}

template <typename T, typename Less>
Status RecordSorter<T, Less>::Finish() {
  assert(!finished_);
  finished_ = true;
  DOCBASE_RETURN_IF_ERROR(WaitForAsideRun());
  if (runs_.empty()) {
    std::stable_sort(buffer_.begin(), buffer_.end(), less_);
    return Status::Ok();
  }
  if (!buffer_.empty()) {
    status_ = WriteRun(buffer_);
    DOCBASE_RETURN_IF_ERROR(status_);
  }
  // The passes need the memory.
  std::vector<T>().swap(buffer_);
  std::vector<T>().swap(aside_);
  status_ = MergeLevels();
  return status_;
}

template <typename T, typename Less>
Status RecordSorter<T, Less>::MergeLevels() {
  while (runs_.size() > kMaxMergeWidth) {
    DOCBASE_RETURN_IF_ERROR(files_[current_].CheckSize());
    SortRunFile& out = files_[1 - current_];
    DOCBASE_RETURN_IF_ERROR(out.is_open() ? out.Clear() : out.Create());
    // Groups of equal width, as wide as allowed.
    size_t groups = (runs_.size() + kMaxMergeWidth - 1) / kMaxMergeWidth;
    size_t width = (runs_.size() + groups - 1) / groups;
    std::vector<RecordRun> merged;
    for (size_t first = 0; first < runs_.size(); first += width) {
      size_t count = std::min(width, runs_.size() - first);
      merged.push_back({out.size(), 0, 0});
      for (size_t i = first; i < first + count; ++i) {
        merged.back().count += runs_[i].count;
      }
      DOCBASE_RETURN_IF_ERROR(
          MergeGroup(&runs_[first], count, out, &merged.back().checksum));
    }
    runs_ = std::move(merged);
    current_ = 1 - current_;
  }
  // A work file that no longer holds runs goes at once.
  SortRunFile& spare = files_[1 - current_];
  return spare.is_open() ? spare.Remove() : Status::Ok();
}

template <typename T, typename Less>
Status RecordSorter<T, Less>::MergeGroup(const RecordRun* runs, size_t count,
                                         SortRunFile& out, uint64_t* checksum) {
  // The inputs and the output share the budget.
  size_t records = std::max<size_t>(1, budget_ / ((count + 1) * sizeof(T)));
  RecordRunMerge<T, Less> merge(files_[current_], runs, count, records, less_);
  DOCBASE_RETURN_IF_ERROR(merge.Start());
  std::unique_ptr<T[]> buffer(new T[records]);
  RecordChecksum written;
  size_t used = 0;
  while (merge.Next(&buffer[used])) {
    if (++used == records) {
      written.Add(buffer.get(), used);
      DOCBASE_RETURN_IF_ERROR(out.Append(buffer.get(), used * sizeof(T)));
      used = 0;
    }
  }
  DOCBASE_RETURN_IF_ERROR(merge.status());
  written.Add(buffer.get(), used);
  *checksum = written.value();
  return out.Append(buffer.get(), used * sizeof(T));
}

template <typename T, typename Less>
Status RecordSorter<T, Less>::Open(Reader* reader) const {
  assert(finished_);
  reader->merge_.reset();
  reader->next_ = reader->end_ = nullptr;
  DOCBASE_RETURN_IF_ERROR(status_);
  if (runs_.empty()) {
    reader->next_ = buffer_.data();
    reader->end_ = buffer_.data() + buffer_.size();
    return Status::Ok();
  }
  DOCBASE_RETURN_IF_ERROR(files_[current_].CheckSize());
  size_t records = std::max<size_t>(1, budget_ / (runs_.size() * sizeof(T)));
  reader->merge_ = std::make_unique<RecordRunMerge<T, Less>>(
      files_[current_], runs_.data(), runs_.size(), records, less_);
  return reader->merge_->Start();
}

template <typename T, typename Less>
Status RecordSorter<T, Less>::Remove() {
  Status first = files_[0].Remove();
  Status second = files_[1].Remove();
  return first.ok() ? second : first;
}

}  // namespace docbase
