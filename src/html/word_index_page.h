// The word-index page i_G.htm of a page group: one entry per word and page
// of the group with its count and links, the promotional block at the head
// and after every 101st entry (counted across all groups of the run).
//
// The page is written in two calls with the contents page between them.
// One object serves the whole run, so that the entry count carries over
// from one group's page to the next.
//
// Input: wrd_14_G.txt, records (id, page, line, col, word, id, k) sorted by
// word id, then page, line, column.
#pragma once

#include <cstdint>
#include <string>

#include "common/line_writer.h"
#include "common/status.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

class WordIndexPages {
 public:
  // Creates i_G.htm and writes its head lines.
  Status WriteHead(const WorkArea& area, const RunState& state,
                   int64_t group);
  // Writes the contents link, the entries from wrd_14_G.txt and the closing
  // lines, and closes the page.
  Status WriteEntries(const WorkArea& area, const RunState& state,
                      int64_t group);

 private:
  // One entry: the first record of a run of records with the same word id
  // and page, and the number of records in the run.
  struct Entry {
    std::string id;
    std::string page;
    std::string word;
    std::string occurrence;
    int64_t count = 0;
  };

  void WriteEntry(const Entry& entry, const RunState& state,
                  const std::string& group);
  void WriteLastEntry(const Entry& entry);

  LineWriter page_;
  std::string scratch_;  // the lines of one entry
  int64_t promo_entry_count_ = 0;  // lives for the whole run
};

}  // namespace docbase
