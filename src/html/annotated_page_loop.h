// The walk that makes the annotated pages of a group, the same in both page
// layouts: the occurrences come page by page, each page's in document
// order, and drive a page writer (html/classic/page_rewriter.h for the classic
// layout, the modern writer in html/modern/annotated_pages.cpp) that opens each page
// from its origin, copies its lines up to each occurrence and writes the
// occurrence in the place of the word.
#pragma once

#include "base/status.h"
#include "html/occurrence_record.h"
#include "html/same_bytes.h"

namespace docbase {

// `page` has is_open(), page(), line_count(), Start(name, origin),
// AdvanceTo(line), WriteTextBefore(column), EndWordAt(end) and
// LeaveWordLine(). `write_word(occurrence)` writes one occurrence where the
// page stands; `finish(last)` ends the open page, `last` when no page of the
// group follows it. Every record carries its page's origin.
template <typename Page, typename WriteWord, typename Finish>
Status WriteOccurrencePages(Page& page, OccurrenceSource& source,
                            WriteWord write_word, Finish finish) {
  OccurrenceRecord occurrence;
  while (source.Next(&occurrence)) {
    const bool same_page =
        page.is_open() && SameBytes(occurrence.page, page.page());
    if (!same_page || occurrence.line != page.line_count()) {
      page.LeaveWordLine();
    }
    if (!same_page) {
      if (page.is_open()) DOCBASE_RETURN_IF_ERROR(finish(false));
      DOCBASE_RETURN_IF_ERROR(page.Start(occurrence.page, *occurrence.origin));
    }
    DOCBASE_RETURN_IF_ERROR(page.AdvanceTo(occurrence.line));
    page.WriteTextBefore(occurrence.column);
    write_word(occurrence);
    page.EndWordAt(occurrence.column + occurrence.word.size());
  }
  DOCBASE_RETURN_IF_ERROR(source.status());
  if (page.is_open()) DOCBASE_RETURN_IF_ERROR(finish(true));
  return Status::Ok();
}

}  // namespace docbase
