// The per-group output pass: prepares the wrd_24 folder, then for each page
// group in turn rewrites its pages as annotated pages, writes the head of
// its word-index page, the contents page, the word-index entries and its
// search page.
#pragma once

#include "common/status.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status WriteGroupOutputs(const WorkArea& area, RunState& state);

}  // namespace docbase
