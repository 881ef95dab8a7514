// The search page s_G.htm of the modern layout: the group's text reduced to
// its indexed words, one paragraph per line of a page (a new one wherever
// the page or the line changes), the words as text, escaped, under a
// heading per page; blocks of bounded size that also end with each page.
//
// The shared script makes the links the classic page carries: each word a
// link to the word-index page with the anchor "ID_K" of its occurrence
// (what the "s" links of the other pages point to), and after each line the
// word index and the main index at its first word, the contents page, and
// the web searches of its phrase restricted to the target address and the
// target site, plus one unrestricted. It works from a record per page (the
// pages' names, the search host and addresses, the main index's cut) and
// per block (the words first met on their page there, "N.K": word id
// number and the number of that occurrence; it numbers the others on). An
// occurrence out of that count, or whose bytes are not all text, carries
// its own "N.K"; a line whose phrase was drawn at random (more than 28
// words, with the run's generator, in the classic order of lines) carries
// it ("data-q"), and a phrase of bytes that are not all text its encoded
// query ("data-e").
//
// A long search page goes on in parts (html/modern/page_parts.h); a part
// that starts inside a page's lines names the page again and numbers its
// words afresh, as at the start of a page.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/status.h"
#include "html/modern/main_index_parts.h"
#include "html/modern/page_parts.h"
#include "html/occurrence_record.h"
#include "run/settings.h"
#include "run/split_mix.h"
#include "workarea/work_area.h"

namespace docbase {

// Lines per block of a modern search page (a block also ends with a page).
inline constexpr int64_t kSearchLinesPerBlock = 50;
// The words of one line fill at most about this many bytes of a paragraph:
// a longer line (a long paragraph, a text without line breaks) goes on in
// the next, so that a browser lays out no huge paragraph and the page can
// go on in its next part between two pieces of a line. Pieces of lines
// make a block of at most about kPieceBlockBytes.
inline constexpr size_t kLinePieceBytes = 16 * 1024;
inline constexpr size_t kPieceBlockBytes = 64 * 1024;

Status WriteModernSearchPage(const WorkArea& area, const Settings& settings,
                             const MainIndexParts& parts,
                             PageParts& page_parts, SplitMix64& random,
                             int64_t group, OccurrenceSource& source);

}  // namespace docbase
