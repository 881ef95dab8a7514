// Line blocks that the generated pages (word-index pages, search pages, the
// contents page and the main index) share: the HTML head up to "<body>",
// the "quick and easy" introduction, the information link and the date and
// time lines. Each block writes whole lines, one written piece per line.
#pragma once

#include <string_view>

#include "io/line_writer.h"
#include "run/run_clock.h"
#include "run/settings.h"

namespace docbase {

// "<html>" .. "<body>": 11 lines with a "<br>" between the parts, the
// code page in the meta line and `title` in the title line.
void WritePageHead(LineWriter& out, std::string_view code_page_name,
                   std::string_view title);

// "QUICK AND EASY INFORMATION SEARCH" and its two sentences, ended by two
// "<br>" lines (7 lines).
void WriteQuickSearchIntro(LineWriter& out);

// "Details:", "<br>", the information link on a line of its own and
// "<br><br>" (4 lines).
void WriteDetailsLink(LineWriter& out, const Settings& settings);

// "Date (mm-dd-yy) = ...<br>" and "Time (h:m:s)    = ...<br>".
void WriteDateTimeLines(LineWriter& out, const DateTimeText& now);

// The top of the two pages titled "index of key words" (the contents page
// and the main index): the head, a "<br>" line, the introduction, the
// information link and the date and time lines.
void WriteKeyWordsPageTop(LineWriter& out, const Settings& settings);

}  // namespace docbase
