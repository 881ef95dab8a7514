// The annotated pages of the modern layout: the same occurrences as the
// classic pages, written so that a browser lays out only what is on screen.
//
// A page is an HTML5 document titled with the name of the text it was made
// from. Its lines are kept as the page set cleaned them, cut into blocks of
// a bounded number of lines and bytes (the shared stylesheet gives them
// `content-visibility: auto`); a block never ends inside a table. Every
// occurrence is a plain span whose id is the classic occurrence anchor,
// "IDxxxxxxxx_K"; the first occurrence of a word on the page sits in a span
// with the word id itself, so "page.htm#ID" and "page.htm#ID_K" land as in
// the classic layout. No occurrence carries a handler or a hidden strip:
// the page ends with one compact record per distinct word that has a strip
// (the number of its last occurrence on the page and the next page holding
// it), from which the shared script builds the strip of the one occurrence
// the reader double-clicked or arrived at, with the classic strip's links.
//
// The lines before the body line (the page's own head) are not copied;
// words found there (the classic title) are kept, as spans, in a header
// line, so their anchors exist too. The tags that would open a second
// document inside the body (html, head, body, title, meta, doctype) are
// left out of the copied text, and a bare "&" is written as "&amp;".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/status.h"
#include "html/occurrence_record.h"
#include "html/page_neighbours.h"
#include "pages/page_origin.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

// Writes the pages of group `group` named by the records of `source` (the
// records of one page together, in document order, each with its next page
// and last occurrence number on the page) in the modern layout.
Status WriteModernPages(const WorkArea& area, const DisplayParameters& display,
                        const PageNeighbours& neighbours, int64_t group,
                        OccurrenceSource& source);

// A page of the page set that holds no indexed word, in the modern layout:
// its text in blocks between the bars, and an empty word record.
Status WriteModernPageWithoutWords(const WorkArea& area,
                                   const DisplayParameters& display,
                                   const PageNeighbours& neighbours,
                                   std::string_view page,
                                   const PageOrigin& origin);

// The title of a modern annotated page: the file name of the text or page
// it was made from; the page name itself when no origin is known (null).
std::string ModernPageTitle(std::string_view page, const PageOrigin* origin);

}  // namespace docbase
