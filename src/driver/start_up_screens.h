// The screens shown before the tool checks: the title, the terms of use with
// their acceptance menu, the font advice and the installation advice, each
// with its two-choice menu.
#pragma once

#include <string_view>

#include "base/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "driver/run_step.h"

namespace docbase {

// "Program name:" + the setting with its last three characters made "exe".
std::string ShownProgramName(std::string_view setting);

// From the empty line after the target site up to the installation menu.
// `directory_path` is the program directory, for the auto-answer probe.
RunStep ShowStartUpScreens(const RunState& state, Console& console,
                           std::string_view directory_path);

}  // namespace docbase
