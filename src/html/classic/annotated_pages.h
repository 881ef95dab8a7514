// Annotated pages: rewrites the pages of one page group from their
// occurrences. Each page gets the highlight script and a navigation bar
// before its body line and again before the line that closes the body;
// every indexed word becomes a span with its word id, followed (with the
// find-word flag on) by a hidden navigation span and the occurrence anchor.
// Pages without words are not touched.
#pragma once

#include <cstdint>

#include "base/status.h"
#include "html/classic/navigation_bar.h"
#include "html/occurrence_record.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

// Rewrites the pages of group `group` named by the records of `source`:
// the records of one page lie together, in document order (line, then
// column), and carry their next page and last occurrence number on the page.
// The last page's bottom bar ends its Next link as `last_page_end` says: with
// a blank when it is the last page of the group that holds words.
Status RewritePages(const WorkArea& area, const DisplayParameters& display,
                    const PageNeighbours& neighbours, int64_t group,
                    OccurrenceSource& source, NextLinkEnd last_page_end);

}  // namespace docbase
