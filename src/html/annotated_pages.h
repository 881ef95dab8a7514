// Annotated pages: rewrites the pages of one page group from its wrd_24_G
// records: highlight script and navigation bars around the body, every
// indexed word in a span with its word id, and after it a hidden navigation
// span with the occurrence anchor. Each page is written through its working
// file <base>_02.htm, which then replaces the page.
#pragma once

#include <cstdint>

#include "common/status.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

// The wrd_24 folder: emptied or made, then given a copy of every
// wrd_24*.txt file. Once, before the first group.
Status PrepareWordFolder(const WorkArea& area);

Status RewriteGroupPages(const WorkArea& area, const RunState& state,
                         int64_t group);

}  // namespace docbase
