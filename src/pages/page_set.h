// The page set: writes the promotional page f_promote.htm and adds it to
// htm_in, lists the input pages (promotional page first, then the platform
// sort order), cleans every page line by line into a working copy and copies
// it to its numbered page page_<N>.htm in the program directory.
#pragma once

#include "common/status.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status BuildPageSet(const WorkArea& area, RunState& state);

}  // namespace docbase
