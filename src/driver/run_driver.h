// The run driver: one forward pass from the start-up dialogue through
// preparation and indexing to the collection of htm_out and the results
// screen. Each phase is called once, in order; a phase that ends the run
// (a specified exit, or an I/O error) ends the pass at once.
#pragma once

#include "base/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "driver/run_step.h"
#include "workarea/work_area.h"

namespace docbase {

// Ok after the results screen's key, ended for every other specified
// way out, or the I/O error that stopped the run.
RunStep RunDocbase(const WorkArea& area, RunState& state, Console& console);

// The process exit status for the outcome of a run, after printing the
// framed message of an I/O error.
int FinishRun(const RunStep& outcome, Console& console);

}  // namespace docbase
