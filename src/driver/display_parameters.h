// The display parameters: writes publisher_para.txt (45 lines), reads it
// back into the 34-row parameter table, prints the overview in 14-column
// print zones, takes the marked values (there are none) and the defaults,
// and clears the console.
#pragma once

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status SetDisplayParameters(const WorkArea& area, RunState& state,
                            Console& console);

}  // namespace docbase
