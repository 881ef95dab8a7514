// The word-index page i_G.htm of a page group: one entry per word and page
// of the group with its count and links, the promotional block at the head
// and after every 101st entry (counted across all groups of the run).
//
// The page is written in two calls with the contents page between them.
// One object serves the whole run, so that the entry count carries over
// from one group's page to the next.
//
// Input: the word-and-page records of the group's pages, in word-id order,
// then page order; each gives one entry.
#pragma once

#include <cstdint>
#include <string>

#include "base/status.h"
#include "html/layout.h"
#include "html/occurrence_record.h"
#include "io/line_writer.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

class WordIndexPages : public WordIndexPageWriter {
 public:
  // Creates i_G.htm and writes its head lines.
  Status WriteHead(const WorkArea& area, const Settings& settings,
                   int64_t group) override;
  // Writes the contents link, one entry per word-and-page entry of `source`
  // (the group's, in word-id order, then page order) and the closing lines,
  // and closes the page.
  Status WriteEntries(const Settings& settings, int64_t group,
                      WordPageSource& source) override;

 private:
  // Sets the pieces of the entry lines fixed for one group's page.
  void PreparePieces(const Settings& settings, int64_t group);
  void WriteHeadline(const WordPageEntry& entry);
  void WriteEntry(const WordPageEntry& entry);
  void WriteLastEntry(const WordPageEntry& entry);

  LineWriter page_;
  int64_t promo_entry_count_ = 0;  // lives for the whole run
  // Entries are written a piece at a time, the group's pieces made once:
  // a page holds one entry per word and page.
  std::string search_link_start_;  // CR LF &nbsp;&nbsp;<a href="s_G.htm#
  std::string search_link_end_;    // ">s_G</a> .. <a href="index.htm#
  std::string index_end_then_contents_;  // "> index</a> .. files_list.htm#
  std::string site_search_start_;  // &nbsp;&nbsp; <a href="http://HOST/..
  std::string site_search_end_;    //  site:SITE"> SITE</a> CR LF
};

}  // namespace docbase
