// The search page s_G.htm of a page group: the group's text reduced to its
// indexed words, line by line, each word linked to the word-index page, and
// after each line a link block with web-search links built from the line's
// words (at most 28, drawn with the run's generator for longer lines).
#pragma once

#include <cstdint>

#include "common/status.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status WriteSearchPage(const WorkArea& area, RunState& state, int64_t group);

}  // namespace docbase
