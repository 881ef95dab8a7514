#include "html/word_index_page.h"

#include <charconv>
#include <string_view>

#include "common/line_reader.h"
#include "common/run_clock.h"
#include "html/page_head.h"
#include "html/page_templates.h"
#include "html/quoted_fields.h"
#include "html/same_bytes.h"

namespace docbase {
namespace {

// A promotional block follows every this many entries.
constexpr int64_t kEntriesPerPromotion = 101;

std::string PageName(int64_t group) {
  return "i_" + std::to_string(group) + ".htm";
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

  PreparePieces(state, group);
  Entry run;
  std::string_view line;
  while (records.Next(&line)) {
    // id, page, line, column, word, id, occurrence number
    QuotedFields fields(line);
    std::string_view id = fields.Next();
    std::string_view page = fields.Next();
    if (run.count > 0 && SameBytes(id, run.id) &&
        SameBytes(page, run.page)) {
      ++run.count;
    } else {
      if (run.count > 0) {
        WriteEntry(run);
        ++promo_entry_count_;
      }
      run.id = id;
      run.page = page;
      fields.Skip(2);
      run.word = fields.Next();
      fields.Skip(1);
      run.occurrence = fields.Next();
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

void WordIndexPages::PreparePieces(const RunState& state, int64_t group) {
  const std::string g = std::to_string(group);
  search_link_start_ = "\r\n&nbsp;&nbsp;<a href=\"s_" + g + ".htm#";
  search_link_end_ =
      "\">s_" + g + "</a>\r\n&nbsp;&nbsp;<a href=\"index.htm#";
  site_search_start_.clear();
  site_search_end_.clear();
  if (!state.target_site.empty()) {
    site_search_start_ = "&nbsp;&nbsp; <a href=\"" + WebSearchUrl(state, "");
    site_search_end_ = " site:" + state.target_site + "\"> " +
                       state.target_site + "</a>\r\n";
  }
}

// <a href="PAGE#ID" id="ID">WORD</a>&nbsp;&nbsp;&nbsp; (PAGE, N)
void WordIndexPages::WriteHeadline(const Entry& entry) {
  char count[24];
  const auto digits = std::to_chars(count, count + sizeof count, entry.count);
  page_.Write("<a href=\"");
  page_.Write(entry.page);
  page_.Write("#");
  page_.Write(entry.id);
  page_.Write("\" id=\"");
  page_.Write(entry.id);
  page_.Write("\">");
  page_.Write(entry.word);
  page_.Write("</a>&nbsp;&nbsp;&nbsp; (");
  page_.Write(entry.page);
  page_.Write(", ");
  page_.Write(std::string_view(count, static_cast<size_t>(digits.ptr - count)));
  page_.Write(")");
}

// "<br>", the headline, then the links: search page, main index, contents
// page and (with a target site) the web search of the word on the site.
void WordIndexPages::WriteEntry(const Entry& entry) {
  page_.Write("<br>\r\n");
  WriteHeadline(entry);
  page_.Write(search_link_start_);
  page_.Write(entry.id);
  page_.Write("_");
  page_.Write(entry.occurrence);
  page_.Write(search_link_end_);
  page_.Write(entry.id);
  page_.Write("\"> index</a>\r\n&nbsp;&nbsp;<a href=\"files_list.htm#");
  page_.Write(entry.page);
  page_.Write("\"> Content </a>\r\n");
  if (!site_search_start_.empty()) {
    page_.Write(site_search_start_);
    page_.Write(entry.word);
    page_.Write(site_search_end_);
  }
}

void WordIndexPages::WriteLastEntry(const Entry& entry) {
  WriteHeadline(entry);
  page_.Write("<br>\r\n");
}

}  // namespace docbase
