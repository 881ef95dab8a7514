#include "words/page_groups.h"

#include <algorithm>

namespace docbase {

PageGroups BuildPageGroups(const WordCensus& census, int64_t group_size) {
  PageGroups groups;
  groups.group_of_page.assign(census.pages.size(), 0);
  groups.pages_of_group.emplace_back();
  int64_t pages_in_group = 0;
  bool first = true;
  for (uint32_t page = 0; page < census.pages.size(); ++page) {
    if (census.pages[page].occurrences == 0) continue;
    groups.pages_of_group.back().push_back(page);
    groups.group_of_page[page] =
        static_cast<uint32_t>(groups.pages_of_group.size());
    groups.sorted_names.push_back(census.pages[page].name);
    ++pages_in_group;
    if (first) {
      first = false;
      continue;
    }
    if (pages_in_group == group_size) {
      pages_in_group = 0;
      groups.pages_of_group.emplace_back();
    }
  }
  std::sort(groups.sorted_names.begin(), groups.sorted_names.end());
  return groups;
}

int64_t ModernGroupSize(const WordCensus& census) {
  uint64_t pages = 0;
  for (const PageTally& page : census.pages) {
    if (page.occurrences > 0) ++pages;
  }
  if (pages == 0 || census.occurrences == 0) return 2;
  // round(aim / (occurrences / pages))
  const uint64_t size =
      (2 * kModernGroupOccurrences * pages + census.occurrences) /
      (2 * census.occurrences);
  return static_cast<int64_t>(std::max<uint64_t>(2, size));
}

}  // namespace docbase
