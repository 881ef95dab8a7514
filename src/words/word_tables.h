// The word tables: lower-cases and sorts the occurrences of wrd_01.txt,
// gives each distinct lower-cased word its word id and each occurrence its
// occurrence number, and writes the tables wrd_01_01.txt .. wrd_08.txt:
//
//   wrd_01_01  lc, page, line, word, col, w5      ("&nbsp;" words dropped)
//   wrd_01_02  the same, sorted by the file sort
//   wrd_03     page, line, col, word, id           (id: "id" + 8 digits, the
//              0-based position of the word's first record in wrd_01_02)
//   wrd_04     page, line, col, word, id, k        (k: 1, 2, ... per id)
//   wrd_05     wrd_04 sorted: document order
//   wrd_06     the records of wrd_05 with a page and an id
//   wrd_07     inv, id, page, line, col, word, id, k   (inv = 100000000 - k)
//   wrd_08     wrd_07 sorted: highest k of each word first
//
// Every table is one streaming pass; a table and the one derived from it
// record by record (wrd_03 and wrd_04, wrd_06 and wrd_07) are written in
// the same pass, and the table that the file sort orders next (wrd_01_01,
// wrd_04, wrd_07) is handed to the sort line by line as it is written
// (FileSorter), so that it is not read back. Fields that a table keeps in
// order are copied as raw slices of the record (RecordView). A missing
// input gives empty tables.
//
// The driver prints "processed 20%" between the two calls.
#pragma once

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

// wrd_01.txt -> wrd_01_01.txt -> (file sort) wrd_01_02.txt.
Status SortWordOccurrences(const WorkArea& area, RunState& state,
                           Console& console);
// wrd_01_02.txt -> wrd_03.txt .. wrd_08.txt.
Status NumberWordOccurrences(const WorkArea& area, RunState& state,
                             Console& console);

}  // namespace docbase
