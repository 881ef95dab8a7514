#include "driver/console_report.h"

#include "driver/prompts.h"

namespace docbase {

void ConsoleReport::Progress(std::string_view line) { console_.Line(line); }

void ConsoleReport::Stop(std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) console_.Line(line);
  (void)AnyKeyExit(console_);
}

}  // namespace docbase
