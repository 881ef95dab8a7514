#include "html/annotated_pages.h"

#include "html/page_rewriter.h"
#include "html/same_bytes.h"
#include "html/word_spans.h"

namespace docbase {

Status RewritePages(const WorkArea& area, const DisplayParameters& display,
                    const PageNeighbours& neighbours, int64_t group,
                    OccurrenceSource& source, NextLinkEnd last_page_end) {
  PageRewriter page(area, display, neighbours);
  const NavigationSpanWriter navigation(std::to_string(group));
  OccurrenceRecord occurrence;
  while (source.Next(&occurrence)) {
    const bool same_page =
        page.is_open() && SameBytes(occurrence.page, page.page());
    if (!same_page || occurrence.line != page.line_count()) {
      page.LeaveWordLine();
    }
    if (!same_page) {
      if (page.is_open()) {
        DOCBASE_RETURN_IF_ERROR(page.Finish(NextLinkEnd::kNoTrailingBlank));
      }
      DOCBASE_RETURN_IF_ERROR(page.Start(occurrence.page, *occurrence.origin));
    }
    DOCBASE_RETURN_IF_ERROR(page.AdvanceTo(occurrence.line));
    page.WriteTextBefore(occurrence.column);
    WriteWordSpan(page.out(), occurrence);
    if (HasNavigationSpan(display.find_word, occurrence.word)) {
      navigation.Write(page.out(), occurrence, occurrence.last_on_page);
    }
    page.EndWordAt(occurrence.column + occurrence.word.size());
  }
  DOCBASE_RETURN_IF_ERROR(source.status());
  if (page.is_open()) {
    DOCBASE_RETURN_IF_ERROR(page.Finish(last_page_end));
  }
  return Status::Ok();
}

}  // namespace docbase
