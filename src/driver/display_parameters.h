// The display parameters of the generated pages: code page name, font
// colour, font size and find-word flag.
//
// Every run writes the menu of all offered values to publisher_para.txt
// (45 lines in four sections), reads it back into the parameter table (one
// row per code page pair, one per other line: 34 rows), prints the table as
// the parameter overview in 14-column print zones, takes the value of each
// section whose row is marked "--->" in column 3, and falls back to the
// defaults UTF-8, red, 140% and 1. No row is ever marked, so the defaults
// are what the run gets. The console is cleared at the end; nothing waits.
#pragma once

#include <string>
#include <vector>

#include "base/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

struct ParameterRow {
  std::string option;       // column 1: the option or section header
  std::string description;  // column 2: a code page's languages, or " "
  std::string marker;       // column 3: "--->" on the chosen row
};

Status SetDisplayParameters(const WorkArea& area, RunState& state,
                            Console& console);

// The values of the marked rows, each section found by its key in column 1,
// with the defaults where a section has none. A marked code page is not
// used: the pages are always UTF-8.
DisplayParameters TakeMarkedValues(const std::vector<ParameterRow>& rows);

}  // namespace docbase
