// The texts that show a command or a path (the usage, the lines on
// standard error) are written once for both platforms, with placeholders,
// and put into the platform's own terms (platform/shell_terms.h) when they
// are shown:
//
//   {/}              the path separator: txt_in{/} is txt_in/ or txt_in\ .
//   {''}             an empty argument as typed: '' or ""
//   {folder}         the folder of a run in the examples
//   {piped answers}  the lines that give the answers through a pipe
//
// and every "\n" becomes the platform's line end. Only the shared text is
// put into terms; names and values go in after, as they are, so a file name
// that holds a brace is never taken for a placeholder.
#pragma once

#include <string>
#include <string_view>

#include "platform/shell_terms.h"

namespace docbase {

// `text` with its placeholders filled in and its line ends made `terms`'s.
std::string InShellTerms(std::string_view text, const ShellTerms& terms);

// `text` with every "\n" made `terms`'s line end.
std::string WithLineEnds(std::string_view text, const ShellTerms& terms);

// One line of standard error: "docbase: " + message + the line end.
std::string MessageLine(std::string_view message, const ShellTerms& terms);

}  // namespace docbase
