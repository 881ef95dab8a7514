// The two command examples of the usage text, in the words of the command
// interpreter the platform's users have: a POSIX shell, or cmd on Windows.
// Each is one or more whole lines, each line ending in "\n".
#pragma once

#include <string_view>

namespace docbase {

// Answers given through a pipe, one per line.
std::string_view PipedAnswersExample();
// A run in another folder with every answer on the command line.
std::string_view PresetAnswersExample();

}  // namespace docbase
