// The one stylesheet and the one script that every page of the modern
// layout links to, written once per run straight into htm_out. Both are
// ordinary files beside this header, docbase.css and docbase.js, built
// into the program byte for byte (cmake/embed_text.cmake). The script only
// adds the word box of the main index front page and double-click
// navigation on the annotated pages; every page reads without it.
#pragma once

#include <string_view>

#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

// The bytes of docbase.css and of docbase.js, as built into the program.
std::string_view ModernStyleSheet();
std::string_view ModernScript();

// Writes StyleSheetName() and ScriptName() into the output folder, which
// must exist.
Status WriteModernAssets(const WorkArea& area);

}  // namespace docbase
