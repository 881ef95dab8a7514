// A page layout: the one object that writes every page of htm_out from the
// run's tables. Both layouts hold the same words, occurrences, counts and
// link targets; they differ only in how the pages are written. The run
// makes one layout where it reads its options (html/classic/layout.h,
// html/modern/layout.h) and hands it to the phases, which never ask which
// one it is: the output pass (html/output_pass.h) walks the groups and
// calls it, the driver has it write the main index and the shared files.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "html/index_tables.h"
#include "html/occurrence_record.h"
#include "html/page_neighbours.h"
#include "run/run_report.h"
#include "run/settings.h"
#include "run/split_mix.h"
#include "words/word_census.h"
#include "workarea/work_area.h"

namespace docbase {

// A stretch of one group's pages that one task annotates.
struct PageStretch {
  int64_t group = 0;
  std::span<const uint32_t> pages;
  // Whether it holds the last page of the group with words.
  bool ends_group = false;
};

// The word-index pages i_G.htm of a run, one per group, in group order.
// One object serves the whole run: a page may carry state across groups.
class WordIndexPageWriter {
 public:
  virtual ~WordIndexPageWriter() = default;
  // Creates i_G.htm and writes its head.
  [[nodiscard]] virtual Status WriteHead(const WorkArea& area,
                                         const Settings& settings,
                                         int64_t group) = 0;
  // Writes one entry per word-and-page record of `source` (the group's, in
  // word-id order, then page order) and the end, and closes the page.
  [[nodiscard]] virtual Status WriteEntries(const Settings& settings,
                                            int64_t group,
                                            WordPageSource& source) = 0;
};

class Layout {
 public:
  virtual ~Layout() = default;

  // The number of pages per group when none is chosen; `input_files` is
  // the number of texts read.
  virtual int64_t DefaultGroupSize(const WordCensus& census,
                                   int64_t input_files) const = 0;

  // Called once the tables are complete, before any page is written.
  virtual void Prepare(const IndexTables& tables) = 0;

  // The annotated pages of `stretch` from the records of `source` (those
  // of one page together, in document order). Called from several
  // threads at once, for different stretches.
  [[nodiscard]] virtual Status WriteAnnotatedPages(
      const WorkArea& area, const Settings& settings,
      const PageNeighbours& neighbours, const PageStretch& stretch,
      OccurrenceSource& source) const = 0;
  // A page of the page set that holds no indexed word.
  [[nodiscard]] virtual Status WritePageWithoutWords(
      const WorkArea& area, const Settings& settings,
      const PageNeighbours& neighbours, const PageTally& page) const = 0;

  virtual std::unique_ptr<WordIndexPageWriter> NewWordIndexPages() const = 0;

  // The search page s_G.htm of `group` from the occurrences of its pages
  // in table order; draws the phrases of long lines from `random`.
  [[nodiscard]] virtual Status WriteSearchPage(const WorkArea& area,
                                               const Settings& settings,
                                               SplitMix64& random,
                                               int64_t group,
                                               OccurrenceSource& source) const = 0;

  // The contents page files_list.htm.
  [[nodiscard]] virtual Status WriteContentsPage(
      const WorkArea& area, const Settings& settings,
      const IndexTables& tables) const = 0;

  // The main index from the word-and-page records of all groups, in
  // word-id order; `*extra_pages` gets the number of main-index pages
  // written besides index.htm.
  [[nodiscard]] virtual Status WriteMainIndex(const WorkArea& area,
                                              const Settings& settings,
                                              WordPageSource& source,
                                              int64_t* extra_pages) const = 0;

  // The files every page shares (a stylesheet, a script), written into the
  // output folder once it holds the run's pages.
  [[nodiscard]] virtual Status WriteSharedFiles(const WorkArea& area) const = 0;

  // The files the long pages of the pass were continued in, when a layout
  // cuts them into parts; collected with the pages once the pass is done.
  virtual std::vector<std::string> PagePartFiles() const { return {}; }

  // Whether the pages can grow too large for a browser, so that the run
  // should look for such pages and say what helps.
  virtual bool PagesCanOutgrowBrowsers() const = 0;
};

}  // namespace docbase
