#include "html/classic/word_index_page.h"

#include <string>
#include <string_view>

#include "html/classic/page_head.h"
#include "html/classic/page_templates.h"
#include "html/decimal_text.h"
#include "run/run_clock.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

// A promotional block follows every this many entries.
constexpr int64_t kEntriesPerPromotion = 101;

}  // namespace

Status WordIndexPages::WriteHead(const WorkArea& area, const Settings& settings,
                                 int64_t group) {
  DOCBASE_RETURN_IF_ERROR(page_.Open(area.Path(WordIndexPageName(group))));
  WritePageHead(page_, settings.display.code_page_name, "index of key words");
  WritePromotionalBlock(page_, settings);
  WriteQuickSearchIntro(page_);
  WriteDateTimeLines(page_, settings.run_moment);
  page_.WriteLine("<br><br>");
  return Status::Ok();
}

Status WordIndexPages::WriteEntries(const Settings& settings, int64_t group,
                                    WordPageSource& source) {
  if (!page_.is_open()) {
    return Status::IoError(WordIndexPageName(group), "the page head was not written");
  }
  page_.Write("<a href=\"");
  page_.Write(ContentsPageName());
  page_.WriteLine("\"> Content </a><br>");
  page_.WriteLine("<br>");

  PreparePieces(settings, group);
  // Each entry is written when the next one is known: the last one has a
  // form of its own. The held entry keeps copies of its texts, as the
  // source's views end with the next call.
  WordPageEntry entry, next;
  std::string id, page, word, first_k;
  bool have_entry = false;
  while (source.Next(&next)) {
    if (have_entry) {
      WriteEntry(entry);
      ++promo_entry_count_;
      if (promo_entry_count_ >= kEntriesPerPromotion) {
        WritePromotionalBlock(page_, settings);
        promo_entry_count_ = 0;
      }
    }
    entry = next;
    entry.id = id.assign(next.id);
    entry.page = page.assign(next.page);
    entry.word = word.assign(next.word);
    entry.first_k_text = first_k.assign(next.first_k_text);
    have_entry = true;
  }
  DOCBASE_RETURN_IF_ERROR(source.status());
  if (have_entry) WriteLastEntry(entry);

  page_.WriteLine("</body>");
  page_.WriteLine("</html>");
  return page_.Close();
}

void WordIndexPages::PreparePieces(const Settings& settings, int64_t group) {
  const std::string g = std::to_string(group);
  search_link_start_ = "\r\n&nbsp;&nbsp;<a href=\"" + SearchPageName(g) + "#";
  search_link_end_ = "\">" + SearchPageStem(g) +
                     "</a>\r\n&nbsp;&nbsp;<a href=\"" +
                     std::string(MainIndexPageName()) + "#";
  index_end_then_contents_ = "\"> index</a>\r\n&nbsp;&nbsp;<a href=\"" +
                             std::string(ContentsPageName()) + "#";
  site_search_start_.clear();
  site_search_end_.clear();
  if (!settings.target_site.empty()) {
    site_search_start_ = "&nbsp;&nbsp; <a href=\"" + WebSearchUrl(settings, "");
    site_search_end_ = " site:" + settings.target_site + "\"> " +
                       settings.target_site + "</a>\r\n";
  }
}

// <a href="PAGE#ID" id="ID">WORD</a>&nbsp;&nbsp;&nbsp; (PAGE, N)
void WordIndexPages::WriteHeadline(const WordPageEntry& entry) {
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
  page_.Write(DecimalText(entry.count).view());
  page_.Write(")");
}

// "<br>", the headline, then the links: search page, main index, contents
// page and (with a target site) the web search of the word on the site.
void WordIndexPages::WriteEntry(const WordPageEntry& entry) {
  page_.Write("<br>\r\n");
  WriteHeadline(entry);
  page_.Write(search_link_start_);
  page_.Write(entry.id);
  page_.Write("_");
  page_.Write(entry.first_k_text);
  page_.Write(search_link_end_);
  page_.Write(entry.id);
  page_.Write(index_end_then_contents_);
  page_.Write(entry.page);
  page_.Write("\"> Content </a>\r\n");
  if (!site_search_start_.empty()) {
    page_.Write(site_search_start_);
    page_.Write(entry.word);
    page_.Write(site_search_end_);
  }
}

void WordIndexPages::WriteLastEntry(const WordPageEntry& entry) {
  WriteHeadline(entry);
  page_.Write("<br>\r\n");
}

}  // namespace docbase
