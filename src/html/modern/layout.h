// The modern layout: the same words, occurrences, counts and link targets
// as the classic pages, in HTML5 pages cut into blocks that a browser lays
// out only when they come on screen, with one shared stylesheet and script.
// The main index is cut into pages (html/modern/main_index_parts.h),
// planned once the tables are complete, since every list page links a word
// to the page that holds it.
#pragma once

#include <memory>

#include "html/layout.h"

namespace docbase {

std::unique_ptr<Layout> MakeModernLayout();

}  // namespace docbase
