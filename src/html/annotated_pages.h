// Annotated pages: rewrites the pages of one page group from its
// wrd_24_G.txt records. Each page gets the highlight script and a
// navigation bar before its body line and again before the line that
// closes the body; every indexed word becomes a span with its word id,
// followed (with the find-word flag on) by a hidden navigation span and the
// occurrence anchor. Pages without records are not touched.
//
// Preconditions: the records of one page are contiguous and in document
// order (line, then column), as the page grouping leaves them.
#pragma once

#include <cstdint>

#include "common/status.h"
#include "driver/run_state.h"
#include "html/navigation_bar.h"
#include "workarea/work_area.h"

namespace docbase {

// `neighbours` is loaded once for the whole pass.
Status RewriteGroupPages(const WorkArea& area, const RunState& state,
                         const PageNeighbours& neighbours, int64_t group);

// The same, loading the neighbour list itself.
Status RewriteGroupPages(const WorkArea& area, const RunState& state,
                         int64_t group);

}  // namespace docbase
