// The two addresses of the web-search links: target_site, derived at
// start-up from the built-in program name (www., http. or https. + site +
// .bas), and target_address, typed at the destination prompt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "driver/run_step.h"

namespace docbase {

// The site for a program name setting, or nullopt when the name has none of
// the three prefixes.
std::optional<std::string> DeriveTargetSite(std::string_view setting);

// Sets and prints state.target_site, or shows the renaming advice, waits for
// the key "1" and ends the run.
RunStep SetTargetSite(RunState& state, Console& console);

// The first input field of an answer: leading blanks and tabs skipped, up to
// the first comma, or between double quotes; at most 4096 bytes; blanks and
// tabs at its end removed.
std::string FirstInputField(std::string_view answer);

// The destination prompt: reads state.target_address.
void AskTargetAddress(RunState& state, Console& console);

}  // namespace docbase
