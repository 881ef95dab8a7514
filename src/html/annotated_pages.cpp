#include "html/annotated_pages.h"

#include <string>

#include "common/line_reader.h"
#include "html/occurrence_bounds.h"
#include "html/occurrence_record.h"
#include "html/page_rewriter.h"
#include "html/line_records.h"
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

  // The records of one page line are gathered and taken in column order:
  // the tables order columns as text, which is not numeric order once a
  // line is longer than 999,999 bytes, and a word taken after a later one
  // would make the rewrite write the text between them again and again.
  LineRecords pending;
  auto rewrite_line = [&]() -> Status {
    for (std::string_view text : pending.InColumnOrder()) {
      OccurrenceRecord occurrence;
      ParseOccurrenceRecord(text, &occurrence);
      const bool same_page =
          page.is_open() && SameBytes(occurrence.page, page.page());
      if (!same_page || occurrence.line != page.line_count()) page.LeaveWordLine();
      if (!same_page) {
        if (page.is_open()) {
          DOCBASE_RETURN_IF_ERROR(page.Finish(NextLinkEnd::kNoTrailingBlank));
        }
        DOCBASE_RETURN_IF_ERROR(page.Start(occurrence.page));
        DOCBASE_RETURN_IF_ERROR(bounds.LoadPage(occurrence.page));
      }
      DOCBASE_RETURN_IF_ERROR(page.AdvanceTo(occurrence.line));
      page.WriteTextBefore(occurrence.column);
      WriteWordSpan(page.out(), occurrence);
      if (HasNavigationSpan(state.display.find_word, occurrence.word)) {
        navigation.Write(page.out(), occurrence, bounds.LastOnPage(occurrence.id));
      }
      page.EndWordAt(occurrence.column + occurrence.word.size());
    }
    pending.Clear();
    return Status::Ok();
  };

  OccurrenceRecord record;
  std::string_view line;
  while (records.Next(&line)) {
    if (line.empty()) continue;
    ParseOccurrenceRecord(line, &record);
    if (!pending.SameLine(record)) DOCBASE_RETURN_IF_ERROR(rewrite_line());
    pending.Add(line, record);
  }
  DOCBASE_RETURN_IF_ERROR(rewrite_line());
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
