// The navigation bar of a classic annotated page: links to the previous
// and the next page that hold indexed words (html/page_neighbours.h) and to
// the contents page.
#pragma once

#include "html/page_neighbours.h"
#include "io/line_writer.h"

namespace docbase {

// Every bar ends its Next link with a blank, except the bottom bar of a
// page that is finished because the next record is on another page.
enum class NextLinkEnd { kTrailingBlank, kNoTrailingBlank };

// "<br>", then "<a href="PREVIOUS"> Before </a> " (if any), the Next link
// (if any), and "<a href="files_list.htm"> Content </a><br>", one line each.
void WriteNavigationBar(LineWriter& out,
                        const PageNeighbours::Neighbours& neighbours,
                        NextLinkEnd next_end);

}  // namespace docbase
