// Word extraction: scans every numbered page of the page set, in order,
// line by line for its words (PageWordScanner) and records each
// occurrence of a word of at least 3 bytes, without the words that hold
// "&nbsp;" once lower-cased, which are never indexed:
//
//   - the occurrence, with its line, byte column and occurrence number
//     (OccurrenceNumbering), in the occurrence work file;
//   - for every word of a page, its count, first and last occurrence there,
//     in the page-word work file (its next pages are left for the splits);
//   - the distinct words and the page list in the returned census.
//
// A listed page that cannot be found reads as empty.
#pragma once

#include <vector>

#include "base/status.h"
#include "pages/page_origin.h"
#include "words/word_census.h"
#include "workarea/work_area.h"

namespace docbase {

// Only the pages whose name holds ".htm" once lower-cased are taken. With
// `jobs` above 1 the pages are read and scanned on a thread of their own
// (words/scan_ahead.h); the results are the same.
Status ExtractWords(const WorkArea& area, std::vector<NumberedPage> pages,
                    int jobs, WordCensus* census);

}  // namespace docbase
