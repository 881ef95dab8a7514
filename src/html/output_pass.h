// The per-group output pass: prepares the wrd_24 folder, then writes for
// each page group its annotated pages, its word-index page (with the
// contents page between its head and its entries) and its search page, and
// writes the pages without words as the page set made them.
//
// The work runs on `settings.jobs` threads as independent tasks: the
// search pages of all groups in group order (the run's generator draws
// their phrases in that order), the word-index and contents pages of all
// groups in group order (the promotional count runs across groups), and
// the annotated pages in stretches of pages, each page written by one
// task. So the pages are the same for any number of threads.
#pragma once

#include "common/settings.h"
#include "common/split_mix.h"
#include "base/status.h"
#include "html/index_tables.h"
#include "workarea/work_area.h"

namespace docbase {

// `random` draws the search phrases of long lines.
Status WriteGroupOutputs(const WorkArea& area, const Settings& settings,
                         const IndexTables& tables, SplitMix64& random);

}  // namespace docbase
