#include "html/modern/word_index_page.h"

#include <string>

#include "html/decimal_text.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "workarea/file_names.h"

namespace docbase {

Status ModernWordIndexPages::WriteHead(const WorkArea& area,
                                       const Settings& settings,
                                       int64_t group) {
  const std::string g = std::to_string(group);
  DOCBASE_RETURN_IF_ERROR(page_.Open(area.Path(WordIndexPageName(g))));
  WriteListPageTop(
      page_, settings, "Word index, group " + g,
      {{std::string(MainIndexPageName()), "Main index"},
       {std::string(ContentsPageName()), "Contents"},
       {SearchPageName(g), "Search page " + SearchPageStem(g)}},
      "Every word of the pages of this group, page by page, with the number "
      "of its occurrences there.");
  page_.WriteLine("<main>");
  return Status::Ok();
}

// One paragraph per word: its first page as on the classic page, the word
// linked to it with the page and the count, its search-page and contents
// links, then the links that depend on the word alone (the part of the
// main index that holds it, the web search) once; then a line per further
// page, the page name linked:
// <p id="ID"><a href="PAGE#ID">WORD</a> (PAGE, N) <a href="s_G.htm#ID_K">
// s_G</a> <a href="files_list.htm#PAGE">Content</a> <a href="index_P.htm#ID">
// index</a> <a class="web" href="...">SITE</a><br>
// <a href="PAGE2#ID">PAGE2</a> (N) <a ..>s_G</a> <a ..>Content</a></p>
Status ModernWordIndexPages::WriteEntries(const Settings& settings,
                                          int64_t group,
                                          WordPageSource& source) {
  if (!page_.is_open()) {
    return Status::IoError(WordIndexPageName(group),
                           "the page head was not written");
  }
  const std::string g = std::to_string(group);
  const std::string search_link = "\">" + SearchPageStem(g) + "</a> <a href=\"";
  const std::string search_page = SearchPageName(g);
  Blocks blocks(page_, "wi", kWordIndexEntriesPerBlock);
  std::string last_id;
  WordPageEntry entry;
  while (source.Next(&entry)) {
    const bool first_page = entry.id != last_id;
    if (first_page) {
      if (!last_id.empty()) page_.WriteLine("</p>");
      blocks.Entry();
      last_id.assign(entry.id);
      page_.Write("<p id=\"");
      page_.Write(entry.id);
      page_.Write("\">");
    } else {
      page_.Write("<br>\r\n");
    }
    page_.Write("<a href=\"");
    WriteEscaped(page_, entry.page);
    page_.Write("#");
    page_.Write(entry.id);
    page_.Write("\">");
    WriteEscaped(page_, first_page ? entry.word : entry.page);
    page_.Write("</a> (");
    if (first_page) {
      WriteEscaped(page_, entry.page);
      page_.Write(", ");
    }
    page_.Write(DecimalText(entry.count).view());
    page_.Write(") <a href=\"");
    page_.Write(search_page);
    page_.Write("#");
    page_.Write(entry.id);
    page_.Write("_");
    page_.Write(entry.first_k_text);
    page_.Write(search_link);
    page_.Write(ContentsPageName());
    page_.Write("#");
    WriteEscaped(page_, entry.page);
    page_.Write("\">Content</a>");
    if (first_page) {
      page_.Write(" <a href=\"");
      page_.Write(parts_.PageOf(entry.id));
      page_.Write("#");
      page_.Write(entry.id);
      page_.Write("\">index</a>");
      if (!settings.target_site.empty()) {
        page_.Write(" ");
        WriteWebSearchLink(page_, settings, entry.word, settings.target_site,
                           settings.target_site);
      }
    }
  }
  DOCBASE_RETURN_IF_ERROR(source.status());
  if (!last_id.empty()) page_.WriteLine("</p>");
  blocks.Finish();
  page_.WriteLine("</main>");
  WriteModernEnd(page_);
  return page_.Close();
}

}  // namespace docbase
