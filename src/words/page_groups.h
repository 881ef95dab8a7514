// Page groups and word splits: divides the pages into groups of
// input_file_count pages (setting state.group_count), and splits the word
// tables by group into the group_search_, wrd_10_ .. wrd_15, word list and
// wrd_24_ files, each occurrence with the next page that holds its word.
//
// The driver prints "processed 40%" between the two calls.
#pragma once

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

// wrd_07.txt -> group_page_all.txt, group_search_N.txt,
// group_page_all_sort.txt.
Status BuildPageGroups(const WorkArea& area, RunState& state,
                       Console& console);
// wrd_08.txt, wrd_03.txt -> wrd_10_ .. wrd_15, word list files, wrd_24_.
Status SplitWordsByGroup(const WorkArea& area, RunState& state);

}  // namespace docbase
