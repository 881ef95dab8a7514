// The command-line arguments of the process as UTF-8 bytes (on Windows they
// are taken from the wide command line, not the ANSI code page).
#pragma once

#include <string>
#include <vector>

namespace docbase {

std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace docbase
