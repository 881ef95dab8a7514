// How the users of the platform write commands, paths and line ends: the
// words of their command interpreter (a POSIX shell, or cmd on Windows).
// The texts that show a command or a path (the usage, the messages on
// standard error) are written once, shared by both platforms, with
// placeholders these terms fill in (driver/shell_text.h).
#pragma once

#include <string_view>

namespace docbase {

struct ShellTerms {
  // Between a folder and what is in it: "/" or "\".
  std::string_view path_separator;
  // An empty argument as typed: '' in a POSIX shell, "" in cmd.
  std::string_view empty_argument;
  // The end of every line the program writes outside the console
  // transcript: "\n", or "\r\n" on Windows.
  std::string_view line_end;
  // The folder of a run in the examples.
  std::string_view example_folder;
  // Answers given through a pipe, one per line: one or more whole lines,
  // each ending in "\n".
  std::string_view piped_answers;
};

// The terms of a POSIX shell and of cmd, side by side, so that tests on
// either platform can show a text in both.
extern const ShellTerms kPosixShellTerms;
extern const ShellTerms kCmdShellTerms;

// The terms of the platform the program runs on: kPosixShellTerms, or
// kCmdShellTerms on Windows.
const ShellTerms& NativeShellTerms();

}  // namespace docbase
