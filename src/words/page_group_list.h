// The page groups as the group_search_N.txt files record them: the pages in
// group order (group 1 first, each group's pages in page order), each with
// its group number. Also the names derived from pages and groups: the
// per-page and per-group file names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/status.h"
#include "words/text_hash.h"
#include "workarea/work_area.h"

namespace docbase {

struct PageGroupList {
  static constexpr size_t kNoPage = static_cast<size_t>(-1);

  int64_t group_count = 0;
  std::vector<std::string> pages;  // in group order
  std::vector<int64_t> group_of_page;  // group number of each page
  // The pages of group N are pages[group_begin[N - 1]] up to (not
  // including) pages[group_begin[N]].
  std::vector<size_t> group_begin;

  std::unordered_map<std::string, size_t, TextHash, std::equal_to<>>
      index_of_page;

  // Position of `page` in `pages`, or kNoPage.
  size_t IndexOf(std::string_view page) const;
};

// Reads group_search_1.txt .. group_search_<group_count>.txt.
Status ReadPageGroups(const WorkArea& area, int64_t group_count,
                      PageGroupList* groups);

// prefix + group number + ".txt", e.g. wrd_11_2.txt.
std::string GroupFileName(std::string_view prefix, int64_t group);
// The names of groups 1 .. group_count.
std::vector<std::string> GroupFileNames(std::string_view prefix,
                                        int64_t group_count);

// The number part of a page name: from the 6th character up to the
// character before the first ".htm" ("07" for page_07.htm); the rest of
// the name when it has no ".htm" there.
std::string_view PageNumberText(std::string_view page);

}  // namespace docbase
