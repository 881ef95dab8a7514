// The command line of docbase. Without arguments the program runs in the
// current directory and asks every question on the console. The options,
// one row each in driver/option_table.h (which --help prints), let a script
// run it elsewhere, give the answers up front and replace the build-time
// settings for one run. -C may be given more than once: each folder is
// taken relative to the one before, as git does.
//
// Long options also take their value as --name=VALUE, -C as -CDIR and -j
// as -jN.
// Parsing only looks at the text; it neither reads nor changes any folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "driver/setting_choices.h"
#include "pages/code_pages.h"

namespace docbase {

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion };
  Action action = Action::kRun;
  // The -C folders, in the order given.
  std::vector<std::string> directories;
  bool yes = false;
  std::optional<std::string> address;
  SettingChoices settings;
  // -j: 0 when not given (one thread per core).
  int jobs = 0;
  // --encoding: the code page texts that are not UTF-8 are read in, or
  // null (they are kept as bytes).
  const CodePage* code_page = nullptr;
  // Why the arguments were refused (one line, no line end); empty when they
  // are valid. A refused command line is never run.
  std::string error;
  // True when the refusal is a value its option does not accept: the one
  // line says all, and the usage is not shown with it.
  bool refused_value = false;
};

// Parses the arguments after argument 0. Every argument is checked before
// the action is decided, so an unknown one is refused even beside --help;
// --help wins over --version.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Changes the current directory to each of `directories` in turn. Empty
// when all succeeded, else the one-line reason for the first that failed
// (a folder that does not exist, or a file).
std::string EnterDirectories(const std::vector<std::string>& directories);

}  // namespace docbase
