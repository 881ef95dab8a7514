#include "html/modern/main_index_parts.h"

#include <algorithm>

#include "base/text.h"
#include "workarea/file_names.h"

namespace docbase {

MainIndexParts MainIndexParts::Plan(const WordCensus& census,
                                    const WordIds& ids, int64_t group_count) {
  const size_t words = ids.rank_of_word.size();
  std::vector<uint32_t> word_at_rank(words);
  for (uint32_t word = 0; word < words; ++word) {
    word_at_rank[ids.rank_of_word[word]] = word;
  }
  const uint64_t groups =
      static_cast<uint64_t>(std::max<int64_t>(group_count, 1));
  std::vector<uint64_t> first_numbers = {0};
  uint64_t part_words = 0, part_links = 0;
  for (uint32_t word : word_at_rank) {
    const uint64_t links =
        std::min<uint64_t>(std::max<uint32_t>(census.word_counts[word], 1),
                           groups);
    if (part_words > 0 && (part_words >= kWordsPerPart ||
                           part_links + links > kLinksPerPart)) {
      first_numbers.push_back(ids.number_of_word[word]);
      part_words = 0;
      part_links = 0;
    }
    ++part_words;
    part_links += links;
  }
  return MainIndexParts(std::move(first_numbers));
}

MainIndexParts MainIndexParts::Plan(const IndexTables& tables) {
  return Plan(tables.census, tables.ids, tables.groups.count());
}

MainIndexParts::MainIndexParts(std::vector<uint64_t> first_numbers)
    : first_numbers_(std::move(first_numbers)) {
  if (first_numbers_.empty()) first_numbers_.push_back(0);
  for (int64_t part = 1; part <= count(); ++part) {
    page_names_.push_back(MainIndexPartName(part));
  }
}

int64_t MainIndexParts::PartOfNumber(uint64_t number) const {
  const auto after =
      std::upper_bound(first_numbers_.begin(), first_numbers_.end(), number);
  return std::max<int64_t>(1, after - first_numbers_.begin());
}

int64_t MainIndexParts::PartOf(std::string_view id) const {
  uint64_t number = 0;
  if (id.size() > 2) ParseCount(id.substr(2), &number);
  return PartOfNumber(number);
}

const std::string& MainIndexParts::PageOf(std::string_view id) const {
  return page_names_[static_cast<size_t>(PartOf(id) - 1)];
}

}  // namespace docbase
