#include "html/classic/annotated_pages.h"

#include "html/annotated_page_loop.h"
#include "html/classic/page_rewriter.h"
#include "html/classic/word_spans.h"

namespace docbase {

Status RewritePages(const WorkArea& area, const DisplayParameters& display,
                    const PageNeighbours& neighbours, int64_t group,
                    OccurrenceSource& source, NextLinkEnd last_page_end) {
  PageRewriter page(area, display, neighbours);
  const NavigationSpanWriter navigation(std::to_string(group));
  return WriteOccurrencePages(
      page, source,
      [&](const OccurrenceRecord& occurrence) {
        WriteWordSpan(page.out(), occurrence);
        if (HasNavigationSpan(display.find_word, occurrence.word)) {
          navigation.Write(page.out(), occurrence, occurrence.last_on_page);
        }
      },
      [&](bool last) {
        return page.Finish(last ? last_page_end
                                : NextLinkEnd::kNoTrailingBlank);
      });
}

}  // namespace docbase
