// What the page writers take for one word occurrence and for one word on
// one page, as the texts they put into the pages, and the sources that
// hand them out one at a time. The writers never see where the data is
// kept: the run reads it from its work files (html/table_sources.h), tests
// hand it over from memory.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/status.h"
#include "pages/page_origin.h"

namespace docbase {

struct OccurrenceRecord {
  std::string_view page;
  uint64_t line = 0;
  uint64_t column = 0;
  std::string_view word;
  std::string_view id;
  std::string_view k_text;  // the occurrence number in decimal
  uint64_t k = 0;
  std::string_view next;  // the next page holding the word; empty on the last
  // The number of the word's last occurrence on this page.
  uint64_t last_on_page = 0;
  // Where the page's bytes come from; set on every record of a page.
  const PageOrigin* origin = nullptr;
};

// Whether an occurrence gets a navigation strip on its page: only with the
// find-word flag on, and never for the word spelled exactly "Pages_list".
inline bool HasNavigationSpan(int find_word, std::string_view word) {
  return find_word == 1 && word != "Pages_list";
}

// One word on one page: its first occurrence there (word as spelled and
// occurrence number) and how often it occurs there.
struct WordPageEntry {
  std::string_view id;
  std::string_view page;
  uint32_t group = 0;
  std::string_view word;
  std::string_view first_k_text;
  uint64_t count = 0;
};

// Hands out records one at a time; the views stay valid until the next
// call. Next returns false at the end and on an error, which status()
// then tells.
template <typename Record>
class RecordSource {
 public:
  virtual ~RecordSource() = default;
  virtual bool Next(Record* record) = 0;
  virtual Status status() const = 0;
};

using OccurrenceSource = RecordSource<OccurrenceRecord>;
using WordPageSource = RecordSource<WordPageEntry>;

}  // namespace docbase
