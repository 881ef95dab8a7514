#include "driver/command_line.h"

#include <optional>
#include <string_view>

#include "driver/option_table.h"
#include "platform/file_system.h"
#include "platform/path.h"

namespace docbase {

namespace {

// Splits "--name=value" into its name and value; other arguments have none.
std::optional<std::string_view> InlineValue(std::string_view* argument) {
  if (!argument->starts_with("--")) return std::nullopt;
  size_t equals = argument->find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view value = argument->substr(equals + 1);
  *argument = argument->substr(0, equals);
  return value;
}

// The row `argument` names, or null. A short name that takes a value also
// matches with the value joined on (-CDIR, -jN), which goes to *joined.
const OptionRow* FindRow(std::string_view argument,
                         std::optional<std::string_view>* joined) {
  for (const OptionRow& row : OptionRows()) {
    for (std::string_view name : {row.short_name, row.long_name}) {
      if (!name.empty() && argument == name) return &row;
    }
  }
  for (const OptionRow& row : OptionRows()) {
    if (row.takes_value() && !row.short_name.empty() &&
        argument.starts_with(row.short_name)) {
      *joined = argument.substr(row.short_name.size());
      return &row;
    }
  }
  return nullptr;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
    std::string_view argument = arguments[i];
    std::optional<std::string_view> value = InlineValue(&argument);
    const OptionRow* row = FindRow(argument, &value);
    if (row == nullptr) {
      line.error = "unknown argument '" + arguments[i] + "'";
    } else if (!row->takes_value() && value) {
      line.error = "option '" + std::string(argument) + "' takes no value";
    } else if (row->takes_value() && !value && i + 1 == arguments.size()) {
      line.error = "option '" + std::string(argument) + "' needs a value";
    } else {
      // The value of an option that takes one: inline, joined on, or the
      // next argument, taken as it is even when it looks like an option.
      if (row->takes_value() && !value) value = arguments[++i];
      line.error = row->take(value.value_or(""), &line);
      line.refused_value = !line.error.empty();
    }
  }
  return line;
}

std::string EnterDirectories(const std::vector<std::string>& directories) {
  for (const std::string& directory : directories) {
    if (Status entered = ChangeDirectory(PathFromUtf8(directory));
        !entered.ok()) {
      return "cannot run in '" + directory + "': " + entered.reason();
    }
  }
  return {};
}

}  // namespace docbase
