// Word extraction: scans every numbered page line by line and writes one
// word record per occurrence of a word of at least 3 bytes to wrd_01.txt,
// with a trace file per page.
#pragma once

#include "common/status.h"
#include "workarea/work_area.h"

namespace docbase {

Status ExtractWords(const WorkArea& area);

}  // namespace docbase
