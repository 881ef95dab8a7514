// The per-group output pass: prepares the wrd_24 folder, then has the run's
// layout (html/layout.h) write for each page group its annotated pages, its
// word-index page and its search page, the contents page, and the pages
// without words.
//
// The work runs on `settings.jobs` threads as independent tasks: the
// search pages of all groups in group order (the run's generator draws
// their phrases in that order), the word-index and contents pages of all
// groups in group order (the promotional count runs across groups), and
// the annotated pages in stretches of pages, each page written by one
// task. So the pages are the same for any number of threads.
//
// A caller may hand the pass one more task that reads only the tables (the
// main index): it runs on the pass's threads, after the two long chains
// have started, and the pass ends when it is done too.
#pragma once

#include "base/status.h"
#include "html/index_tables.h"
#include "html/layout.h"
#include "run/parallel_tasks.h"
#include "run/settings.h"
#include "run/split_mix.h"
#include "workarea/work_area.h"

namespace docbase {

// `random` draws the search phrases of long lines. `layout` has been
// prepared for `tables`. `alongside`, when set, is the further task; its
// failure stops the pass as a page's would.
Status WriteGroupOutputs(const WorkArea& area, const Settings& settings,
                         const Layout& layout, const IndexTables& tables,
                         SplitMix64& random, const Task& alongside = nullptr);

}  // namespace docbase
