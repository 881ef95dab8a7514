// What --help and --version print. The usage is written once for both
// platforms (driver/shell_text.h) and shown in the words of the platform's
// command interpreter: its folders, its empty argument, its examples and
// its line ends.
#pragma once

#include <string>

#include "platform/shell_terms.h"

namespace docbase {

// The text of --help.
std::string UsageText(const ShellTerms& terms = NativeShellTerms());

// The text of --version: the version and the settings the program was
// built with, in lines that end as the platform's do.
std::string VersionText(const ShellTerms& terms = NativeShellTerms());

}  // namespace docbase
