// The two pieces an annotated page gets for each indexed word occurrence:
// the word span, which carries the word id (so the page's highlight style
// applies to it) and reopens the page at the word on a double click; and
// the hidden navigation span after it, shown only when the page is opened
// at that word, with the occurrence anchor that search pages link to.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/line_writer.h"
#include "html/occurrence_record.h"

namespace docbase {

// One line: <span id="ID" type = "text/javascript"ondblclick = ...>WORD</span>
void WriteWordSpan(LineWriter& out, const OccurrenceRecord& record);

// Whether the occurrence gets a navigation span: only with the find-word
// flag on, and never for the word spelled exactly "Pages_list".
bool HasNavigationSpan(int find_word, std::string_view word);

// The navigation span lines and the occurrence anchor. `group` is the
// group number in decimal; `last_on_page` the occurrence number of the
// word's last occurrence on this page (a link to the next occurrence only
// below it).
void WriteNavigationSpan(LineWriter& out, std::string_view group,
                         const OccurrenceRecord& record,
                         uint64_t last_on_page);

}  // namespace docbase
