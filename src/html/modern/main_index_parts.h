// How the main index of the modern layout is cut into pages: index.htm is a
// small front page and the words, in word-id order, fill index_1.htm,
// index_2.htm, ... in runs of bounded size. The cut is planned from the
// word tables before any page is written, because the word-index and
// search pages, written first, link every word to the page that will hold
// it.
//
// A page closes once it holds kWordsPerPart words or the links of its
// words may reach kLinksPerPart: a word occurring N times in a run of G
// groups has at most min(N, G) group links, so no page outgrows that bound
// whatever the collection.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/index_tables.h"
#include "words/word_census.h"
#include "words/word_ids.h"

namespace docbase {

class MainIndexParts {
 public:
  static constexpr uint64_t kWordsPerPart = 10000;
  static constexpr uint64_t kLinksPerPart = 40000;

  // The cut for the words of `census` numbered by `ids`, in a run of
  // `group_count` groups.
  static MainIndexParts Plan(const WordCensus& census, const WordIds& ids,
                             int64_t group_count);
  static MainIndexParts Plan(const IndexTables& tables);
  // The cut whose parts start at the given word-id numbers (ascending, the
  // first one 0); for tests.
  explicit MainIndexParts(std::vector<uint64_t> first_numbers);

  // The number of parts; at least 1.
  int64_t count() const { return static_cast<int64_t>(first_numbers_.size()); }
  // The part (1-based) that holds the word of id number `number`.
  int64_t PartOfNumber(uint64_t number) const;
  // The same for a word id text ("id" + digits).
  int64_t PartOf(std::string_view id) const;
  // The name of the page that holds the word `id`: "index_N.htm".
  const std::string& PageOf(std::string_view id) const;
  // The word-id number each part starts at, and the parts' page names.
  const std::vector<uint64_t>& first_numbers() const { return first_numbers_; }
  const std::vector<std::string>& page_names() const { return page_names_; }

 private:
  std::vector<uint64_t> first_numbers_;
  std::vector<std::string> page_names_;
};

}  // namespace docbase
