// The options of docbase, one row each: its names, the value it takes, its
// lines of --help, and how the value is checked and taken into the
// CommandLine. ParseCommandLine (driver/command_line.h) walks the rows to
// read the arguments, and UsageText (driver/usage_text.h) prints them, so
// an option is added, or its help changed, in one place.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "driver/command_line.h"

namespace docbase {

struct OptionRow {
  // "-C"; empty when the option has no short name. A short name that takes
  // a value also takes it joined on: -CDIR, -jN.
  std::string_view short_name;
  // "--directory": every option has one. It also takes its value as
  // --name=VALUE.
  std::string_view long_name;
  // The value as --help names it ("DIR"); empty for an option that takes
  // none.
  std::string_view value_name;
  // What it does, as --help says it: lines separated by "\n", in the
  // shared words of driver/shell_text.h.
  std::string_view help;
  // Takes `value` (empty for an option without one) into `line`. Returns
  // why the value is refused, or empty when it is taken.
  std::string (*take)(std::string_view value, CommandLine* line);

  bool takes_value() const { return !value_name.empty(); }
};

// Every option, in the order --help lists them.
std::span<const OptionRow> OptionRows();

}  // namespace docbase
