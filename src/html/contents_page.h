// The contents page files_list.htm: one link per page that holds indexed
// words, in page-name order, each page name also an element id. Written in
// full in every group's pass.
#pragma once

#include "common/status.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status WriteContentsPage(const WorkArea& area, const RunState& state);

}  // namespace docbase
