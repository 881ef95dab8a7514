// Output collection and clean-up: gathers the document base into htm_out,
// deletes the intermediate files of the program directory and removes the
// work folders, leaving txt_in, htm_out and dir_01.txt.
#pragma once

#include "common/status.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status CollectOutput(const WorkArea& area, const RunState& state);

}  // namespace docbase
