// The main index index.htm: every distinct word, in word-id order, with one
// link per page group in which it occurs, showing its number of
// occurrences in that group. The word is shown as spelled at its first
// occurrence (lowest group, then page, line, column).
//
// The counts are the sums of the word-and-page counts: the entries of one
// word come together, by page and so by group.
#pragma once

#include <string_view>

#include "common/run_report.h"
#include "common/settings.h"
#include "base/status.h"
#include "html/occurrence_record.h"
#include "workarea/work_area.h"

namespace docbase {

// Writes index.htm from the word-and-page entries of all groups, in word-id
// order. Reports the progress line `started` (when not empty) once the first
// entry has been read: the caller decides the line, the pass when it is due.
Status WriteMainIndex(const WorkArea& area, const Settings& settings,
                      WordPageSource& source, RunReport& report,
                      std::string_view started);

}  // namespace docbase
