// The tool checks at start-up: the command interpreter, find, findstr and
// sort, each exercised natively on a listing of the program directory, with
// the console lines and failure exits of the original checks.
#pragma once

#include "common/status.h"
#include "driver/console.h"
#include "workarea/work_area.h"

namespace docbase {

Status CheckTools(const WorkArea& area, Console& console);

}  // namespace docbase
