#include "html/annotated_pages.h"

#include <string>

#include "common/line_reader.h"
#include "html/occurrence_bounds.h"
#include "html/occurrence_record.h"
#include "html/page_rewriter.h"
#include "html/same_bytes.h"
#include "html/word_spans.h"

namespace docbase {

Status RewriteGroupPages(const WorkArea& area, const RunState& state,
                         const PageNeighbours& neighbours, int64_t group) {
  const std::string group_text = std::to_string(group);
  const auto records_path = area.Path("wrd_24_" + group_text + ".txt");
  LineReader records;
  DOCBASE_RETURN_IF_ERROR(records.Open(records_path));
  PageOccurrenceBounds bounds;
  DOCBASE_RETURN_IF_ERROR(bounds.Open(records_path));
  PageRewriter page(area, state.display, neighbours);
  const NavigationSpanWriter navigation(group_text);

  OccurrenceRecord record;
  std::string_view line;
  while (records.Next(&line)) {
    if (line.empty()) continue;
    ParseOccurrenceRecord(line, &record);
    const bool same_page = page.is_open() && SameBytes(record.page, page.page());
    if (!same_page || record.line != page.line_count()) page.LeaveWordLine();
    if (!same_page) {
      if (page.is_open()) {
        DOCBASE_RETURN_IF_ERROR(page.Finish(NextLinkEnd::kNoTrailingBlank));
      }
      DOCBASE_RETURN_IF_ERROR(page.Start(record.page));
      DOCBASE_RETURN_IF_ERROR(bounds.LoadPage(record.page));
    }
    DOCBASE_RETURN_IF_ERROR(page.AdvanceTo(record.line));
    page.WriteTextBefore(record.column);
    WriteWordSpan(page.out(), record);
    if (HasNavigationSpan(state.display.find_word, record.word)) {
      navigation.Write(page.out(), record, bounds.LastOnPage(record.id));
    }
    page.EndWordAt(record.column + record.word.size());
  }
  DOCBASE_RETURN_IF_ERROR(records.status());
  if (page.is_open()) {
    DOCBASE_RETURN_IF_ERROR(page.Finish(NextLinkEnd::kTrailingBlank));
  }
  return Status::Ok();
}

Status RewriteGroupPages(const WorkArea& area, const RunState& state,
                         int64_t group) {
  PageNeighbours neighbours;
  DOCBASE_RETURN_IF_ERROR(neighbours.Load(area));
  return RewriteGroupPages(area, state, neighbours, group);
}

}  // namespace docbase
