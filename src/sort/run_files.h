// The run files of the file sort: the input cut into runs of at most a given
// number of lines, each run ordered in memory and written to
// "file_s_" + N + ".txt" (N = 1, 2, ... without leading zeros), so that
// runs numbered in input order can be merged stably.
//
// Lines are ordered by unsigned byte value, a line before its longer
// continuations; equal lines keep their input order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/status.h"
#include "workarea/work_area.h"

namespace docbase {

// "file_s_" + number + ".txt".
std::string RunFileName(size_t number);

// Reads `input` (a missing file reads as empty) and writes its lines, in
// runs of at most `run_lines` lines, to run files 1 .. *run_count,
// replacing any file of those names. Holds one run in memory.
Status MakeSortedRuns(const WorkArea& area, std::string_view input,
                      size_t run_lines, size_t* run_count);

}  // namespace docbase
