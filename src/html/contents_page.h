// The contents page files_list.htm: one link per page that holds indexed
// words, in page-name order, each page name also an element id. Written in
// full in every group's pass.
#pragma once

#include <string>
#include <vector>

#include "common/settings.h"
#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

// `pages`: the names of the pages that hold words, in byte order. Writes
// nothing in the modern layout, whose contents page has a writer of its own.
Status WriteContentsPage(const WorkArea& area, const Settings& settings,
                         const std::vector<std::string>& pages);

}  // namespace docbase
