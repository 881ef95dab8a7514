// The tool checks at start-up. The run was designed to hand its file work
// to a command interpreter and three companion programs (find, findstr,
// sort) and to stop early, pointing at the system path, when one of them
// is missing. Here those tools are the program's own operations, so each
// check exercises the operation that stands in for the tool on check files
// in the program directory and passes when it gives the known result:
//
//   cmd      a listing names its own output file check_01.txt;
//   find     the word id count of a known check_01.txt is 2;
//   findstr  the word id search of a known check_01.txt gives its 2 lines;
//   sort     the platform sort of a known check_01.txt gives the known,
//            stable, case-blind order.
//
// The console shows the heading lines and each tool's name; a failed check
// shows its message and ends the run at the key "1". The check files stay
// for the stale-file clean-up. A check file that cannot be written is an
// I/O error, not a missing tool.
#pragma once

#include "base/status.h"
#include "driver/console.h"
#include "driver/run_step.h"
#include "workarea/work_area.h"

namespace docbase {

enum class Tool { kCommandInterpreter, kFind, kFindstr, kSort };

RunStep CheckTools(const WorkArea& area, Console& console);

// One check; `*passed` tells whether the operation gave the known result.
Status RunToolCheck(const WorkArea& area, Tool tool, bool* passed);

// The message of a failed check, then the one-key exit.
RunStep ToolMissingExit(Tool tool, Console& console);

}  // namespace docbase
