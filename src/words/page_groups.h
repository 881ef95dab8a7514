// Page groups: the pages that hold words, in page order, cut into groups of
// `group_size` pages (the number of input files, or the size chosen for the
// run), numbered from 1. The
// first page is put in group 1 without the size check, so with a group size
// of 1 every page falls into group 1; with a size G of 2 or more every group
// holds exactly G pages but the last, which is empty when the page count is
// a multiple of G (it still counts, and gets its own pages).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "words/word_census.h"

namespace docbase {

struct PageGroups {
  // pages_of_group[g - 1]: the page numbers of group g, in page order.
  std::vector<std::vector<uint32_t>> pages_of_group;
  // By page number; 0 for a page without words.
  std::vector<uint32_t> group_of_page;
  // The names of the pages with words, in byte order.
  std::vector<std::string> sorted_names;

  int64_t count() const { return static_cast<int64_t>(pages_of_group.size()); }
};

PageGroups BuildPageGroups(const WordCensus& census, int64_t group_size);

// The group size of the modern layout when none is chosen: whole pages,
// enough of them that a group holds about 150-250 KB of text, so that its
// word index and search pages stay a few MB at any collection size. The
// text of a page is measured by its indexed word occurrences, the quantity
// those pages grow with: one stands for 7 bytes of running prose to 11 of
// indented documentation (a word of 3 bytes or more, the blanks after it
// and its share of the shorter words), so a group aims at
// kModernGroupOccurrences of them. The size is that aim divided by the
// average occurrences per page with words, rounded, and at least 2 (with a
// size of 1 the grouping puts every page into group 1).
inline constexpr uint64_t kModernGroupOccurrences = 22'000;
int64_t ModernGroupSize(const WordCensus& census);

}  // namespace docbase
