// The annotated pages of the modern layout: the same occurrences as the
// classic pages, written small, so that a browser lays out only what is on
// screen and a site of them can be published.
//
// A page is an HTML5 document titled with the name of the text it was made
// from: a header (the title, a line of the classic title's words, so that
// their anchors exist, and a key hint the script shows), the navigation
// bar, the text in `main` cut into blocks of a bounded number of lines and
// bytes (the shared stylesheet gives them `content-visibility: auto`), the
// bar again, and one record for the script.
//
// A page made from a text shows the text as written: every byte escaped,
// the page set's own markup left out (the "<br>" and "&nbsp;" it puts in
// front of lines, the document's head and closing lines), lines kept. The
// program's own pages keep their markup, without the tags that would open
// a second document, their bold as <strong>, a bare "&" as "&amp;".
//
// Every occurrence is <b>WORD</b>; the first on the page carries the word
// id ("page.htm#ID" lands without the script), and the record gives each
// word the number of that first occurrence, its next page and whether it
// has a strip. From it the script numbers the others in the page's order
// and gives the one a link or the reader picks its classic anchor
// "ID_K"; an occurrence that count would miss carries "ID_K" itself.
//
// A long page is cut into parts between two blocks, each a page of its own
// with its own record, so that no file grows past what a host takes or a
// phone loads at once. The first keeps the page's name, so every link to
// the page lands there; the script passes a word or occurrence it does not
// find on to the next part. Each part after the first also has a record
// file of the words it holds (html/modern/page_parts.h): a link is passed
// over the parts that do not hold it without the browser reading them, so
// a walk over many parts is quick.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/status.h"
#include "html/modern/page_parts.h"
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
                        OccurrenceSource& source, PageParts& parts);

// A page of the page set that holds no indexed word, in the modern layout:
// its text in blocks between the bars, and an empty word record.
Status WriteModernPageWithoutWords(const WorkArea& area,
                                   const DisplayParameters& display,
                                   const PageNeighbours& neighbours,
                                   std::string_view page,
                                   const PageOrigin& origin,
                                   PageParts& parts);

// The title of a modern annotated page: the file name of the text or page
// it was made from; the page name itself when no origin is known (null).
std::string ModernPageTitle(std::string_view page, const PageOrigin* origin);

}  // namespace docbase
