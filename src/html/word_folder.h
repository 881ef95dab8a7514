// The wrd_24 folder, the keeping place of the group occurrence files: it is
// emptied (or made) before the first page group is written and gets one
// entry wrd_24_G.txt per page group. The entries are empty: the occurrences
// themselves live in the occurrence work file, and only the entries' names
// are ever looked at, by the final clean-up, whose listing of this folder is
// the one dir_01.txt keeps.
#pragma once

#include <cstdint>

#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

// Empties the folder when the folder test finds it (listing dir_01.txt),
// makes it otherwise, then puts the entries of groups 1 .. group_count in.
Status PrepareWordFolder(const WorkArea& area, int64_t group_count);

}  // namespace docbase
