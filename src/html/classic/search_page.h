// The search page s_G.htm of a page group: the group's text reduced to its
// indexed words, line by line, each word linked to the word-index page, and
// after each line a link block with web-search links built from the line's
// words (at most 28, drawn with the run's generator for longer lines).
//
// Input: the occurrences of the group's pages in document order. A new
// output line starts where the line number changes (even between pages);
// the first line of the page keeps the form of a continued line, and each
// link block names the page of the record that starts the next line.
#pragma once

#include <cstdint>

#include "base/status.h"
#include "html/occurrence_record.h"
#include "run/settings.h"
#include "run/split_mix.h"
#include "workarea/work_area.h"

namespace docbase {

// Draws from `random` for every line of more than 28 words.
// `source` gives the occurrences of the group's pages by page, line and
// column as the tables order them.
Status WriteSearchPage(const WorkArea& area, const Settings& settings,
                       SplitMix64& random, int64_t group,
                       OccurrenceSource& source);

}  // namespace docbase
