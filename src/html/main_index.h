// The main index index.htm: every distinct word with one link per page group
// in which it occurs, showing its number of occurrences in that group.
#pragma once

#include <cstdint>

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

// Sorts wrd_15.txt into wrd_16.txt and counts its records into `*total`.
Status SortMainIndexRecords(const WorkArea& area, RunState& state,
                            Console& console, int64_t* total);
// Writes index.htm; prints "processed 80%" when `total` is above 2.
Status WriteMainIndex(const WorkArea& area, const RunState& state,
                      Console& console, int64_t total);

}  // namespace docbase
