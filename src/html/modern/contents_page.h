// The contents page files_list.htm of the modern layout: one entry per page
// that holds indexed words, in page-name order, each with the page's name
// as its id (so "files_list.htm#PAGE" lands on it, as in the classic
// layout), a link to the page and the name of the text it was made from.
// The entries come in blocks the browser lays out only when on screen.
#pragma once

#include <string>
#include <vector>

#include "base/status.h"
#include "run/settings.h"
#include "words/word_census.h"
#include "workarea/work_area.h"

namespace docbase {

// `sorted_names`: the names of the pages that hold words, in byte order,
// each the name of a page of `census`.
Status WriteModernContentsPage(const WorkArea& area, const Settings& settings,
                               const WordCensus& census,
                               const std::vector<std::string>& sorted_names);

}  // namespace docbase
