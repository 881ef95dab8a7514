// Output collection and clean-up, the last phase of a run: gathers the
// document base into htm_out, deletes the intermediate files of the
// program directory and removes the work folders.
//
// Afterwards the program directory holds txt_in (untouched), htm_out with
// exactly the numbered pages, files_list.htm, index.htm (and in the modern
// layout its parts index_1..index_N) and i_1..i_G / s_1..s_G (G = the
// group count), dir_01.txt with the last
// listing, and whatever the user keeps there that is not *.htm*, *.list or
// *.txt (a trace folder, say). The pages are moved rather than copied: the
// end state is that of a copy followed by the deletion of the source.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

// `pages`: the numbered pages as listed (names holding ".htm"), in order.
// `index_parts`: the main-index pages index_1..index_N.htm the modern
// layout wrote besides index.htm (0 in the classic layout).
Status CollectOutput(const WorkArea& area,
                     const std::vector<std::string>& pages,
                     int64_t group_count, int64_t index_parts = 0);

}  // namespace docbase
