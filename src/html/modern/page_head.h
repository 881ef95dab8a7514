// The head and the end that every page of the modern layout shares: an
// HTML5 document in UTF-8 with a viewport for phones, a real title, the
// shared stylesheet and (deferred, so that nothing waits for it) the shared
// script. Nothing in a modern page needs the script to be read.
#pragma once

#include <string>
#include <string_view>

#include "common/line_writer.h"

namespace docbase {

// "<!DOCTYPE html>" .. "<body>". `title` is written as it is: the caller
// escapes what needs it (EscapedText).
void WriteModernHead(LineWriter& out, std::string_view title);

// "</body>" and "</html>".
void WriteModernEnd(LineWriter& out);

// `text` with &, < and > (and " for attribute values) written as
// references, for names and titles shown as text.
std::string EscapedText(std::string_view text);

}  // namespace docbase
