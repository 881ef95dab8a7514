// The main index of the modern layout: the entries of the classic main
// index (every word in word-id order, shown as first spelled, with each
// group that holds it and its number of occurrences there, "i_G (N)", which
// the shared script links to the word-index page), cut into
// the pages index_1.htm, index_2.htm, ... as MainIndexParts plans, each
// entry a paragraph carrying the word id, in blocks of bounded size. Then
// index.htm, a small front page: the totals, a word box that opens the page
// holding a typed word (the shared script), and the range of every page,
// its first word and word id carried for the script (which also sends a
// link to "index.htm#ID", as the classic layout made them, on to the page
// that holds the word).
//
// One streaming pass over the word-and-page records: only the open page and
// the first and last words of the pages are held.
#pragma once

#include <cstdint>

#include "base/status.h"
#include "html/modern/main_index_parts.h"
#include "html/occurrence_record.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

// Entries per block of a modern main-index page.
inline constexpr int64_t kMainIndexEntriesPerBlock = 100;

// Writes the pages of `parts` and index.htm from the word-and-page entries
// of all groups, in word-id order.
Status WriteModernMainIndex(const WorkArea& area, const Settings& settings,
                            const MainIndexParts& parts, WordPageSource& source);

}  // namespace docbase
