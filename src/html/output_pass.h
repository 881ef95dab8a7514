// The per-group output pass: prepares the wrd_24 folder, then for each page
// group in turn rewrites its pages as annotated pages, writes the head of
// its word-index page, the contents page, the word-index entries and its
// search page.
#pragma once

#include "common/settings.h"
#include "common/split_mix.h"
#include "common/status.h"
#include "html/index_tables.h"
#include "workarea/work_area.h"

namespace docbase {

// `random` draws the search phrases of long lines.
Status WriteGroupOutputs(const WorkArea& area, const Settings& settings,
                         const IndexTables& tables, SplitMix64& random);

}  // namespace docbase
