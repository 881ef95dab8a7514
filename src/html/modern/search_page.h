// The search page s_G.htm of the modern layout: the group's text reduced to
// its indexed words, one paragraph per line of a page, each word a link to
// the word-index page carrying the id "ID_K" of its occurrence (what the
// "s" links of the other pages point to; the stylesheet marks it with
// :target). After each line come its links: the word-index page and the
// main index for the line's first word, the contents page, and web
// searches for the line's words restricted to the target address and the
// target site, plus one unrestricted.
//
// The lines are those of the pages, a new one wherever the page or the line
// changes, and each line's links name its own first word and its own page.
// The phrases are built and drawn as on the classic page, with the same
// generator in the same order of lines.
#pragma once

#include <cstdint>

#include "base/status.h"
#include "html/modern/main_index_parts.h"
#include "html/occurrence_record.h"
#include "run/settings.h"
#include "run/split_mix.h"
#include "workarea/work_area.h"

namespace docbase {

// Lines per block of a modern search page (a block also ends with a page).
inline constexpr int64_t kSearchLinesPerBlock = 50;

Status WriteModernSearchPage(const WorkArea& area, const Settings& settings,
                             const MainIndexParts& parts, SplitMix64& random,
                             int64_t group, OccurrenceSource& source);

}  // namespace docbase
