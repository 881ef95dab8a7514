// Word extraction: lists the numbered pages (page_*.htm) into dir_02.txt and
// scans every listed page line by line, writing one word record per
// occurrence of a word of at least 3 bytes to wrd_01.txt:
//
//   "word","page_02.htm","         3","     5","word"
//
// (word, lower-cased page name, line in 10 and byte column in 6 characters
// padded with blanks, word again), in page, line and column order. Each
// page also gets a trace file, its name up to ".htm" plus ".txt", showing
// every scanned line and the words taken from it. A page that cannot be
// found reads as empty.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/status.h"
#include "workarea/work_area.h"

namespace docbase {

Status ExtractWords(const WorkArea& area);

// A trace line for a word: the scan position with a leading blank, padded
// with blanks to 14 characters, then the word.
std::string TraceWordLine(size_t scan_position, std::string_view word);

}  // namespace docbase
