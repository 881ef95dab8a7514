// The main index index.htm: every distinct word, in word-id order, with one
// link per page group in which it occurs, showing its number of
// occurrences in that group. The word is shown as spelled at its first
// occurrence (lowest group, then page, line, column).
//
// The counts are the sums of the word-and-page counts: the entries of one
// word come together, by page and so by group.
#pragma once

#include "base/status.h"
#include "html/occurrence_record.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

// Writes index.htm from the word-and-page entries of all groups, in word-id
// order.
Status WriteMainIndex(const WorkArea& area, const Settings& settings,
                      WordPageSource& source);

}  // namespace docbase
