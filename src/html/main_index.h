// The main index index.htm: every distinct word with one link per page group
// in which it occurs, showing its number of occurrences in that group.
//
// The count of (word id, group G) is the number of records of wrd_11_G.txt
// whose word id field is the id. wrd_16.txt holds exactly those records
// (wrd_15.txt sorted), and the records of one (id, group) lie side by side,
// so the counts are taken in the one pass that writes the page. Each count
// file wrd_11_G_count.txt is written once at the end, with the line the
// count of the group's last link leaves there.
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
// Writes index.htm and the count files from wrd_16.txt (precondition:
// sorted, as SortMainIndexRecords leaves it). Prints "processed 80%" at the
// first record when `total` is above 2.
Status WriteMainIndex(const WorkArea& area, const RunState& state,
                      Console& console, int64_t total);

}  // namespace docbase
