// PageWordScanner takes the words of a page, fed to it line by line: it
// counts the lines, drops the lines the line filters reject, builds each
// remaining line's tag map (a tag may continue onto the next lines) and
// scans the line for words. It holds everything that lives longer than one
// line, so whole pages can be fed through it from any source.
//
// Every line of the page must be passed in order, skipped or not: the line
// number of a word counts every line. Call BeginPage before the first line
// of each page; it closes script and style blocks and any tag left open by
// the previous page, so one page never changes how another is read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "words/line_filters.h"
#include "words/line_scanner.h"
#include "words/tag_map.h"

namespace docbase {

class PageWordScanner {
 public:
  void BeginPage();

  // Takes the next line of the page (without its line end). Replaces
  // `*hits` with the words of the line and returns true when the line
  // reached the word scan; returns false, with `*hits` empty, for a line
  // that is dropped. A line that reaches the scan may yield no word.
  // Linear in the line length.
  bool ScanLine(std::string_view line, std::vector<WordHit>* hits);

  // The 1-based number of the line last passed to ScanLine.
  size_t line_number() const { return line_number_; }
  // Whether a tag opened on an earlier line is still waiting for its ">".
  bool in_continued_tag() const { return continuation_; }

 private:
  LineFilters filters_;
  size_t line_number_ = 0;
  bool continuation_ = false;
  // Per-line buffers, kept to save their allocations.
  std::string lower_line_;
  std::vector<Tag> tags_;
};

}  // namespace docbase
