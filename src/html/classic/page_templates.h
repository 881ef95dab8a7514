// Fixed blocks shared by the generated pages: the highlight script, the
// promotional block and the web-search link (the information link is
// InfoLink of run/settings.h).
#pragma once

#include <string>
#include <string_view>

#include "io/line_writer.h"
#include "run/settings.h"

namespace docbase {

// The highlight script block: 11 lines, or 10 when the find-word flag is
// not 1.
void WriteHighlightScript(LineWriter& out, const DisplayParameters& display);
// The 17-line promotional block of the word-index pages.
void WritePromotionalBlock(LineWriter& out, const Settings& settings);
// http://HOST/search?q=QUERY, the query inserted as it is.
std::string WebSearchUrl(const Settings& settings, std::string_view query);

}  // namespace docbase
