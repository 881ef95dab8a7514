// The two pieces an annotated page gets for each indexed word occurrence:
// the word span, which carries the word id (so the page's highlight style
// applies to it) and reopens the page at the word on a double click; and
// the hidden navigation span after it, shown only when the page is opened
// at that word, with the occurrence anchor that search pages link to.
//
// These are written once per occurrence, so the lines go out as a few
// pieces each, the group's link prefixes made once per group.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "html/occurrence_record.h"
#include "io/line_writer.h"

namespace docbase {

// One line: <span id="ID" type = "text/javascript"ondblclick = ...>WORD</span>
void WriteWordSpan(LineWriter& out, const OccurrenceRecord& record);

// Writes the navigation span lines and the occurrence anchor for the
// occurrences of one page group.
class NavigationSpanWriter {
 public:
  // `group` is the group number in decimal.
  explicit NavigationSpanWriter(std::string_view group);

  // `last_on_page` is the occurrence number of the word's last occurrence
  // on this page (a link to the next occurrence only below it).
  void Write(LineWriter& out, const OccurrenceRecord& record,
             uint64_t last_on_page) const;

 private:
  // The end of the next-occurrence line, with and without the link, each
  // followed by the start of the link to the word-index page.
  std::string next_link_then_index_;
  std::string no_next_link_then_index_;
  // The end of the word-index line and the start of the search page link.
  std::string index_end_then_search_;
  // The end of the search page line and the contents link, closing the
  // span (no next page) or followed by the start of the next-page link.
  std::string search_end_then_last_contents_;
  std::string search_end_then_contents_;
};

}  // namespace docbase
