#include "html/word_index_page.h"

#include <string_view>
#include <vector>

#include "common/line_reader.h"
#include "common/quoted_record.h"
#include "common/run_clock.h"
#include "html/page_head.h"
#include "html/page_templates.h"
#include "html/record_field.h"

namespace docbase {
namespace {

// A promotional block follows every this many entries.
constexpr int64_t kEntriesPerPromotion = 101;

std::string PageName(int64_t group) {
  return "i_" + std::to_string(group) + ".htm";
}

// Appends "<a href="PAGE#ID" id="ID">WORD</a>&nbsp;&nbsp;&nbsp; (PAGE, N)".
void AppendEntryHeadline(std::string* line, std::string_view id,
                         std::string_view page, std::string_view word,
                         int64_t count) {
  line->append("<a href=\"").append(page).append("#").append(id);
  line->append("\" id=\"").append(id).append("\">").append(word);
  line->append("</a>&nbsp;&nbsp;&nbsp; (").append(page).append(", ");
  line->append(std::to_string(count)).append(")");
}

}  // namespace

Status WordIndexPages::WriteHead(const WorkArea& area, const RunState& state,
                                 int64_t group) {
  DOCBASE_RETURN_IF_ERROR(page_.Open(area.Path(PageName(group))));
  WritePageHead(page_, state.display.code_page_name, "index of key words");
  WritePromotionalBlock(page_, state);
  WriteQuickSearchIntro(page_);
  WriteDateTimeLines(page_, CurrentDateTime());
  page_.WriteLine("<br><br>");
  return Status::Ok();
}

Status WordIndexPages::WriteEntries(const WorkArea& area,
                                    const RunState& state, int64_t group) {
  if (!page_.is_open()) {
    return Status::IoError(PageName(group), "the page head was not written");
  }
  LineReader records;
  DOCBASE_RETURN_IF_ERROR(records.Open(
      area.Path("wrd_14_" + std::to_string(group) + ".txt")));

  page_.WriteLine("<a href=\"files_list.htm\"> Content </a><br>");
  page_.WriteLine("<br>");

  const std::string group_text = std::to_string(group);
  Entry run;
  std::vector<std::string_view> fields;
  std::string_view line;
  while (records.Next(&line)) {
    SplitQuotedRecord(line, &fields);
    std::string_view id = FieldAt(fields, 0);
    std::string_view page = FieldAt(fields, 1);
    if (run.count > 0 && id == run.id && page == run.page) {
      ++run.count;
    } else {
      if (run.count > 0) {
        WriteEntry(run, state, group_text);
        ++promo_entry_count_;
      }
      run.id = id;
      run.page = page;
      run.word = FieldAt(fields, 4);
      run.occurrence = FieldAt(fields, 6);
      run.count = 1;
    }
    if (promo_entry_count_ >= kEntriesPerPromotion) {
      WritePromotionalBlock(page_, state);
      promo_entry_count_ = 0;
    }
  }
  DOCBASE_RETURN_IF_ERROR(records.status());
  if (run.count > 0) WriteLastEntry(run);

  page_.WriteLine("</body>");
  page_.WriteLine("</html>");
  return page_.Close();
}

// The entry lines are assembled in one reused buffer: a page holds one
// entry per word and page, and fresh strings per line would dominate.
void WordIndexPages::WriteEntry(const Entry& entry, const RunState& state,
                                const std::string& group) {
  std::string& lines = scratch_;
  lines.assign("<br>\r\n");
  AppendEntryHeadline(&lines, entry.id, entry.page, entry.word, entry.count);
  lines.append("\r\n&nbsp;&nbsp;<a href=\"s_").append(group);
  lines.append(".htm#").append(entry.id).append("_").append(entry.occurrence);
  lines.append("\">s_").append(group).append("</a>\r\n");
  lines.append("&nbsp;&nbsp;<a href=\"index.htm#").append(entry.id);
  lines.append("\"> index</a>\r\n");
  lines.append("&nbsp;&nbsp;<a href=\"files_list.htm#").append(entry.page);
  lines.append("\"> Content </a>\r\n");
  if (!state.target_site.empty()) {
    std::string query = entry.word + " site:" + state.target_site;
    lines.append("&nbsp;&nbsp; <a href=\"").append(WebSearchUrl(state, query));
    lines.append("\"> ").append(state.target_site).append("</a>\r\n");
  }
  page_.Write(lines);
}

void WordIndexPages::WriteLastEntry(const Entry& entry) {
  scratch_.clear();
  AppendEntryHeadline(&scratch_, entry.id, entry.page, entry.word,
                      entry.count);
  scratch_.append("<br>");
  page_.WriteLine(scratch_);
}

}  // namespace docbase
