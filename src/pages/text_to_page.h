// Text-to-page conversion: copies the files of txt_in into txt_wrk under
// sanitised names, wraps each in a minimal HTML page in htm_wrk, shows the
// "number of files =" screen with its menu, and fills the input page set
// htm_in (and its copy htm_ndx/htm_in). Sets the number pad from the input
// file count.
//
// Precondition: the folder set-up has made or emptied txt_wrk and htm_wrk
// and set state.input_file_count. txt_in is only ever read.
#pragma once

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

Status ConvertTextsToPages(const WorkArea& area, RunState& state,
                           Console& console);

}  // namespace docbase
