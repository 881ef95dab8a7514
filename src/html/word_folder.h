// The wrd_24 folder: before the first page group is written it receives a
// copy of every group occurrence file wrd_24_*.txt. Nothing reads it; the
// final clean-up removes it.
#pragma once

#include "common/status.h"
#include "workarea/work_area.h"

namespace docbase {

// Empties the folder when the folder test finds it (listing dir_01.txt),
// makes it otherwise, then copies every wrd_24*.txt file into it.
Status PrepareWordFolder(const WorkArea& area);

}  // namespace docbase
