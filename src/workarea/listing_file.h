// Reading listings and other small result files back, the way the run
// learns what a command did: counting the lines that hold a text, taking
// all lines, and removing every file a listing names.
//
// A missing file reads as empty (a listing that was never written names
// nothing); a file that exists but cannot be read is an I/O error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

// The number of lines of `file` that contain `part` (letter case
// significant); an empty `part` counts every line.
Status CountLinesContaining(const WorkArea& area, std::string_view file,
                            std::string_view part, int64_t* count);

// All lines of `file`, without their line ends.
Status ReadAllLines(const WorkArea& area, std::string_view file,
                    std::vector<std::string>* lines);

// Removes `folder` + "/" + each name listed in `list_file` (the name alone
// when `folder` is empty, which also takes absolute paths as listed), one
// system call per name. Names are removed exactly as listed: file names
// here are case-sensitive. A link goes as a link; folders and names that
// are gone already are skipped silently.
Status RemoveListedFiles(const WorkArea& area, std::string_view list_file,
                         std::string_view folder);

// "dir /b pattern > list_file", then the removal of every listed file.
Status ListAndRemoveFiles(const WorkArea& area, std::string_view pattern_path,
                          std::string_view list_file);

}  // namespace docbase
