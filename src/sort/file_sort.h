// The file sort: orders the lines of state.sort_input_name into
// state.sort_output_name by unsigned byte value (stable; a line before its
// longer continuations), through run files of 2000 lines and merges of at
// most 50 runs. A missing or empty input gives an empty output.
//
// Precondition: the caller has set state.sort_input_name and
// state.sort_output_name.
#pragma once

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status FileSort(const WorkArea& area, RunState& state, Console& console);

}  // namespace docbase
