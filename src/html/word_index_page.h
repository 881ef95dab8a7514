// The word-index page i_G.htm of a page group: one entry per word and page
// of the group with its count and links, the promotional block at the head
// and after every 101st entry (counted across all groups of the run).
//
// The page is written in two calls with the contents page between them.
#pragma once

#include <cstdint>

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
  LineWriter page_;
  int64_t promo_entry_count_ = 0;  // lives for the whole run
};

}  // namespace docbase
