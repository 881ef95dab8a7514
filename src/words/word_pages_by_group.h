// WordPagesByGroup hands out the word-and-page records (WordPageTable) one
// page group after another, for the word index pages, without a pass over
// the whole table per group: with hundreds of groups those passes were most
// of a run. One pass over the table sorts its records by group (RecordSorter:
// runs on disk past the budget, merged as they are read); the sort is
// stable, so within a group the records keep the table's order, word id,
// then page. One pass over the sorted records then gives each group its
// records, the groups in increasing order.
//
// Memory: the sorter's budget, whatever the number of records or groups.
//
// Damage is an error naming its work file: a table record naming a page
// beyond `group_of_page` (the table's file), or what the sorter finds in
// its own files (sort/record_sort.h).
//
// Preconditions: Build once, before any Open. Groups are opened in
// increasing order, one reader at a time, each read before the next is
// opened (records of a group left unread are skipped); readers hold on to
// this object, which must outlive them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "base/status.h"
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
    Status status() const;

   private:
    friend class WordPagesByGroup;
    WordPagesByGroup* by_group_ = nullptr;
    uint32_t group_ = 0;
  };

  // `path`: the sorter's work file of runs, made only when the records
  // overflow `budget_bytes`; its merge file is MergeRunFile(path).
  WordPagesByGroup(const std::filesystem::path& path, size_t budget_bytes);

  // Sorts every record of `table` by group. `group_of_page`: the group of
  // each page number, 0 for a page without words (such a page has no word
  // index page, and a record of it goes nowhere).
  Status Build(const WordPageTable& table,
               std::span<const uint32_t> group_of_page);

  // Starts the records of `group` (1 or more); the first Open starts the
  // pass over the sorted records.
  Status Open(int64_t group, Reader* reader);

 private:
  struct GroupedRecord {
    uint32_t group;
    StoredWordPage record;
  };
  struct GroupOrder {
    bool operator()(const GroupedRecord& a, const GroupedRecord& b) const {
      return a.group < b.group;
    }
  };
  using Sorter = RecordSorter<GroupedRecord, GroupOrder>;

  // The next sorted record, left where it is; false at the end or on an
  // error.
  bool Peek(const GroupedRecord** record);

  Sorter sorter_;
  Sorter::Reader sorted_;
  Status pass_;  // how the pass over the sorted records started
  std::optional<GroupedRecord> next_;  // read, not yet handed out
  uint32_t open_group_ = 0;            // 0: no group opened yet
};

}  // namespace docbase
