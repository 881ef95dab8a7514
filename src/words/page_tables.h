// PageTables writes the per-page and per-group tables of the word splits,
// wrd_10_<num>.txt, wrd_11_N.txt, wrd_13_N.txt and wrd_15.txt, from the
// records of wrd_07.txt, page by page, in the one pass over wrd_07.txt that
// also writes the document-order tables.
//
// Those tables hold each page's records in wrd_08.txt order. wrd_08.txt is
// wrd_07.txt sorted by whole lines (stable), so the records of one page in
// wrd_08.txt order are that page's wrd_07.txt lines sorted the same way:
// each page is sorted in memory, and wrd_08.txt is not read at all.
//
// This needs wrd_07.txt to hold the pages of the group files one after the
// other, in group order, which the page groups make sure of, and each page
// to fit in `page_limit` bytes. When either fails, PageTables gives up
// (given_up()) and the caller writes the same files the general way; what
// PageTables wrote by then is replaced.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_writer.h"
#include "common/status.h"
#include "words/page_group_list.h"
#include "words/record_view.h"
#include "workarea/work_area.h"

namespace docbase {

class PageTables {
 public:
  static constexpr size_t kDefaultPageLimit = size_t{16} << 20;

  PageTables(const WorkArea& area, const PageGroupList& groups,
             size_t page_limit = kDefaultPageLimit)
      : area_(area), groups_(groups), page_limit_(page_limit) {}

  // The next wrd_07.txt record (inv, id, page, line, col, word, id, k),
  // whose page is pages[page_index] of the groups.
  Status Add(size_t page_index, const RecordView& record);
  // Writes the last page and closes the tables (unless given up).
  Status Finish();

  bool given_up() const { return given_up_; }

 private:
  // Sorts and writes the buffered page, then moves on to `next_page`
  // (groups_.pages.size() at the end), opening group files on the way.
  Status WritePage(size_t next_page);
  Status StartGroup(int64_t group);
  Status CloseGroup();
  Status AdvanceToGroup(int64_t group);
  // Gives up: closes the files and frees the buffer.
  Status GiveUpNow();

  const WorkArea& area_;
  const PageGroupList& groups_;
  size_t page_limit_;
  bool given_up_ = false;
  bool started_ = false;
  size_t page_ = 0;     // the page being buffered
  int64_t group_ = 0;   // the group whose files are open
  std::string grp_;     // group_ blank-padded, as wrd_15.txt holds it

  // The buffered page: its wrd_07.txt lines end to end, and per line its
  // sort key and where its fields lie (offsets from the line's beginning).
  std::string bytes_;
  struct Line {
    uint64_t key;
    uint32_t begin;  // the line in bytes_
    uint32_t size;
    uint32_t page;      // field 2 (page), the first field the tables keep
    uint32_t word_end;  // one past field 5 (word)
    uint32_t id;        // field 6 (id), from its opening quote
    uint32_t id_end;    // one past field 6
    uint32_t k;         // field 7 (k), from its opening quote
    uint32_t end;       // one past field 7
  };
  std::vector<Line> lines_;

  LineWriter page_table_;  // wrd_10_<num>.txt
  LineWriter by_page_;     // wrd_11_N.txt
  LineWriter with_id_;     // wrd_13_N.txt
  LineWriter all_groups_;  // wrd_15.txt
};

}  // namespace docbase
