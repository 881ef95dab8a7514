// WordPagesByGroup hands out the word-and-page records (WordPageTable) one
// page group at a time, for the word index pages, without a pass over the
// whole table per group: with hundreds of groups those passes were most of
// a run. One pass over the table deals its records out into a buffer per
// group. When the buffers together hold the budget, each one that is not
// empty is appended to one work file as a chunk of its group, and emptied.
// A group's records are then its chunks in the order they were written:
// word-id order, then page order, as the pass met them. Each chunk is read
// back against the checksum kept for it (common/checksum.h).
//
// Memory: the buffers hold at most `budget_bytes` of records (their growth
// may take up to as much again while the pass runs); a reader holds one
// block of at most 1 MB. Each chunk is kept in memory as an offset, a count
// and a checksum: 24 bytes per group per filling of the budget, some
// hundred times less than the records it stands for when the groups are a
// few hundred and the budget a few MB.
//
// Damage is an error naming its work file: a table record naming a page
// beyond `group_of_page` (the table's file), a chunk whose records are not
// those written or a file of another size than written (this one's file).
//
// Preconditions: Build once, before any Open; readers hold on to this
// object, which must outlive them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/status.h"
#include "common/checksum.h"
#include "sort/record_sort.h"
#include "words/word_page_table.h"
#include "words/word_records.h"

namespace docbase {

class WordPagesByGroup {
 public:
  // The records of one group, in table order.
  class Reader {
   public:
    Reader() = default;
    // The next record; false at the end or on an error (see status()).
    bool Next(StoredWordPage* record);
    const Status& status() const { return status_; }

   private:
    friend class WordPagesByGroup;
    bool ReadBlock();

    const SortRunFile* file_ = nullptr;
    std::span<const RecordRun> chunks_;
    size_t next_chunk_ = 0;
    RecordRun left_{0, 0, 0};  // what is unread of the current chunk
    RecordChecksum read_;      // of what is read of the current chunk
    std::vector<StoredWordPage> block_;
    size_t position_ = 0;
    Status status_;
  };

  // `path`: the work file, made by Build even when nothing overflows, so
  // that every run goes one way.
  WordPagesByGroup(std::filesystem::path path, size_t budget_bytes);

  // Deals out every record of `table`. `group_of_page`: the group of each
  // page number, 0 for a page without words (such a page has no word index
  // page, and a record of it goes nowhere); groups run from 1 to
  // `group_count`.
  Status Build(const WordPageTable& table,
               std::span<const uint32_t> group_of_page, int64_t group_count);

  // Starts a pass over the records of `group` (1 to the group count).
  Status Open(int64_t group, Reader* reader) const;

  const std::string& path() const { return file_.path(); }

 private:
  // Appends every buffer that is not empty to the file as a chunk, and
  // frees it.
  Status WriteChunks();

  SortRunFile file_;
  size_t budget_records_;
  std::vector<std::vector<StoredWordPage>> buffers_;  // by group - 1
  size_t buffered_ = 0;
  std::vector<std::vector<RecordRun>> chunks_;  // by group - 1
};

}  // namespace docbase
