// The word tables: lower-cases and sorts the occurrences of wrd_01.txt,
// gives each distinct lower-cased word its word id and each occurrence its
// occurrence number, and writes the tables wrd_01_01.txt .. wrd_08.txt.
//
// The driver prints "processed 20%" between the two calls.
#pragma once

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

// wrd_01.txt -> wrd_01_01.txt -> (file sort) wrd_01_02.txt.
Status SortWordOccurrences(const WorkArea& area, RunState& state,
                           Console& console);
// wrd_01_02.txt -> wrd_03.txt .. wrd_08.txt.
Status NumberWordOccurrences(const WorkArea& area, RunState& state,
                             Console& console);

}  // namespace docbase
