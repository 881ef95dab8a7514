#include "html/word_index_page.h"

#include <string_view>

#include "common/run_clock.h"
#include "html/decimal_text.h"
#include "html/page_head.h"
#include "html/page_templates.h"

namespace docbase {
namespace {

// A promotional block follows every this many entries.
constexpr int64_t kEntriesPerPromotion = 101;

std::string PageName(int64_t group) {
  return "i_" + std::to_string(group) + ".htm";
}

}  // namespace

Status WordIndexPages::WriteHead(const WorkArea& area, const Settings& state,
                                 int64_t group) {
  DOCBASE_RETURN_IF_ERROR(page_.Open(area.Path(PageName(group))));
  WritePageHead(page_, state.display.code_page_name, "index of key words");
  WritePromotionalBlock(page_, state);
  WriteQuickSearchIntro(page_);
  WriteDateTimeLines(page_, CurrentDateTime());
  page_.WriteLine("<br><br>");
  return Status::Ok();
}

Status WordIndexPages::WriteEntries(const Settings& state,
                                    const IndexTables& tables, int64_t group) {
  if (!page_.is_open()) {
    return Status::IoError(PageName(group), "the page head was not written");
  }
  page_.WriteLine("<a href=\"files_list.htm\"> Content </a><br>");
  page_.WriteLine("<br>");

  PreparePieces(state, group);
  const Vocabulary& vocabulary = tables.census.vocabulary;
  const uint32_t own_group = static_cast<uint32_t>(group);
  bool have_entry = false;
  Entry entry;
  DOCBASE_RETURN_IF_ERROR(tables.word_pages.ForEach(
      [&](const StoredWordPage& record) -> Status {
        if (tables.groups.group_of_page[record.page] != own_group) {
          return Status::Ok();
        }
        if (have_entry) {
          WriteEntry(entry);
          ++promo_entry_count_;
          if (promo_entry_count_ >= kEntriesPerPromotion) {
            WritePromotionalBlock(page_, state);
            promo_entry_count_ = 0;
          }
        }
        entry.id = WordIdText(tables.ids.number_of_word[record.word]);
        entry.page = tables.census.pages[record.page].name;
        entry.word = vocabulary.spelling(record.first_spelling);
        entry.occurrence = DecimalText(record.first_k);
        entry.count = record.count;
        have_entry = true;
        return Status::Ok();
      }));
  if (have_entry) WriteLastEntry(entry);

  page_.WriteLine("</body>");
  page_.WriteLine("</html>");
  return page_.Close();
}

void WordIndexPages::PreparePieces(const Settings& state, int64_t group) {
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
  page_.Write("<a href=\"");
  page_.Write(entry.page);
  page_.Write("#");
  page_.Write(entry.id.view());
  page_.Write("\" id=\"");
  page_.Write(entry.id.view());
  page_.Write("\">");
  page_.Write(entry.word);
  page_.Write("</a>&nbsp;&nbsp;&nbsp; (");
  page_.Write(entry.page);
  page_.Write(", ");
  page_.Write(DecimalText(static_cast<uint64_t>(entry.count)).view());
  page_.Write(")");
}

// "<br>", the headline, then the links: search page, main index, contents
// page and (with a target site) the web search of the word on the site.
void WordIndexPages::WriteEntry(const Entry& entry) {
  page_.Write("<br>\r\n");
  WriteHeadline(entry);
  page_.Write(search_link_start_);
  page_.Write(entry.id.view());
  page_.Write("_");
  page_.Write(entry.occurrence.view());
  page_.Write(search_link_end_);
  page_.Write(entry.id.view());
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
