// Annotated pages: rewrites the pages of one page group from their
// occurrences. Each page gets the highlight script and a navigation bar
// before its body line and again before the line that closes the body;
// every indexed word becomes a span with its word id, followed (with the
// find-word flag on) by a hidden navigation span and the occurrence anchor.
// Pages without words are not touched.
#pragma once

#include <cstdint>

#include "common/settings.h"
#include "common/status.h"
#include "html/index_tables.h"
#include "html/navigation_bar.h"
#include "workarea/work_area.h"

namespace docbase {

Status RewriteGroupPages(const WorkArea& area, const Settings& settings,
                         const IndexTables& tables,
                         const PageNeighbours& neighbours, int64_t group);

}  // namespace docbase
