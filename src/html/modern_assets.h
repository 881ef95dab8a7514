// The one stylesheet and the one script that every page of the modern
// layout links to, written once per run straight into htm_out. The
// stylesheet is made of two parts kept apart by what they style: the list
// pages (word index, search, contents and main index pages) and the
// annotated pages. The script only adds double-click navigation on the
// annotated pages and the word box of the main index front page; every
// page reads without it.
#pragma once

#include <string>
#include <string_view>

#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

// The rules of the list pages (modern_list_style.cpp).
std::string_view ModernListStyle();
// The rules of the annotated pages (modern_page_style.cpp).
std::string_view ModernPageStyle();
// The whole stylesheet: the rules every page shares, then the two parts.
std::string ModernStyleSheet();
// The script's two parts, kept apart the same way: the word box of the
// main index front page (modern_list_style.cpp) and the double-click
// navigation of the annotated pages (modern_page_style.cpp).
std::string_view ModernListScript();
std::string_view ModernPageScript();
// The whole script.
std::string ModernScript();

// Writes StyleSheetName() and ScriptName() into the output folder, which
// must exist.
Status WriteModernAssets(const WorkArea& area);

}  // namespace docbase
