// The four prompt patterns of the console dialogue. Each prints its prompt
// lines once, however many keys it drops, and never waits on a closed input.
//
//   two-choice menu  "1" goes on (Ok), "2" or end of input ends the run.
//                    In the auto-answer folder it answers "1" by itself.
//   one-key exit     waits for "1" (or end of input), then ends the run.
//   any-key exit     waits for any key (or end of input), then ends the run.
//   any-key pause    waits for any key (or end of input), then goes on.
//
// "Ends the run" means the function returns RunStep::Ended().
#pragma once

#include <string_view>

#include "driver/console.h"
#include "driver/run_step.h"

namespace docbase {

// Whether a two-choice menu answers itself in this directory: the path,
// lower-cased, holds both "bramvale" and "kestrow_".
bool AutoAnswerApplies(std::string_view directory_path);

RunStep TwoChoiceMenu(Console& console, std::string_view choice_one,
                      std::string_view choice_two,
                      std::string_view directory_path);
RunStep OneKeyExit(Console& console);
RunStep AnyKeyExit(Console& console);

}  // namespace docbase
