// Preparing the work area: the input presence check, the folder set-up with
// its presence tests, the stale-file clean-up of the program directory, and
// the output folder set-up. A failed test prints its framed message, waits
// as specified and returns Status::RunEnded().
#pragma once

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

// txt_in must list at least one name containing ".txt".
Status CheckInputPresence(const WorkArea& area, Console& console);
// htm_in made anew, input_file_count counted, txt_wrk and htm_wrk made or
// emptied.
Status SetUpFolders(const WorkArea& area, RunState& state, Console& console);
// Removes every *.htm*, *.list and *.txt file of the program directory and
// the old htm_out.
Status CleanStaleFiles(const WorkArea& area);
// htm_in and htm_out made and checked.
Status SetUpOutputFolders(const WorkArea& area, Console& console);

}  // namespace docbase
