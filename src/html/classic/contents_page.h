// The contents page files_list.htm: one link per page that holds indexed
// words, in page-name order, each page name also an element id. Written
// once, by the output pass, in the classic layout (the modern layout's has
// a writer of its own, html/modern/contents_page.h).
#pragma once

#include <string>
#include <vector>

#include "base/status.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

// `pages`: the names of the pages that hold words, in byte order.
Status WriteContentsPage(const WorkArea& area, const Settings& settings,
                         const std::vector<std::string>& pages);

}  // namespace docbase
