// Output collection and clean-up, the last phase of a run: gathers the
// document base into htm_out, deletes the intermediate files of the
// program directory and removes the work folders.
//
// Afterwards the program directory holds txt_in (untouched), htm_out with
// exactly the pages named in dir_02.txt, files_list.htm, index.htm and
// i_1..i_G / s_1..s_G (G = state.group_count), dir_01.txt with the last
// listing, and whatever the user keeps there that is not *.htm*, *.list or
// *.txt (a trace folder, say). The pages are moved rather than copied: the
// end state is that of a copy followed by the deletion of the source.
#pragma once

#include "common/status.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status CollectOutput(const WorkArea& area, const RunState& state);

}  // namespace docbase
