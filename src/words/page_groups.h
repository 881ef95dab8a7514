// Page groups and word splits: divides the pages into groups of
// input_file_count pages (setting state.group_count), and splits the word
// tables by group into the group_search_, wrd_10_ .. wrd_15, word list and
// wrd_24_ files, each occurrence with the next page that holds its word.
//
// Every table is made in a few sequential passes: the per-page and
// per-group files are filled through bounded buffers (LineRouter), the
// tables in platform-sort order are taken from the word tables that
// are already in that order but for small runs (PlatformOrderedRuns), and
// the word list files and next pages come from one pass over wrd_03.txt.
//
// Preconditions, as the earlier phases make them: wrd_03.txt, wrd_07.txt
// and wrd_08.txt are the consistent word tables of one run (wrd_07.txt in
// document order, wrd_03.txt in word order with each word id's records
// together); page names are lower case, of the form page_<num>.htm with a
// different num for every page; word ids have 8 digits.
//
// The driver prints "processed 40%" between the two calls.
#pragma once

#include <cstddef>

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

// wrd_07.txt -> group_page_all.txt, group_search_N.txt,
// group_page_all_sort.txt; sets state.group_count.
Status BuildPageGroups(const WorkArea& area, RunState& state,
                       Console& console);
// wrd_08.txt, wrd_07.txt, wrd_03.txt, group_search_N.txt -> wrd_10_ ..
// wrd_15, word list files, wrd_24_.
Status SplitWordsByGroup(const WorkArea& area, RunState& state);
// The same with the largest page (in bytes of wrd_07.txt records) that is
// sorted in memory; tests make it small to see the general way at work.
Status SplitWordsByGroupWithLimit(const WorkArea& area, const RunState& state,
                                  size_t page_limit);

}  // namespace docbase
