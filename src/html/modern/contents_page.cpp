#include "html/modern/contents_page.h"

#include <unordered_map>

#include "common/line_writer.h"
#include "html/decimal_text.h"
#include "html/modern/page_head.h"
#include "html/modern/annotated_pages.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

constexpr size_t kEntriesPerBlock = 250;

}  // namespace

Status WriteModernContentsPage(const WorkArea& area, const Settings& settings,
                               const WordCensus& census,
                               const std::vector<std::string>& sorted_names) {
  std::unordered_map<std::string_view, const PageTally*> page_of;
  for (const PageTally& page : census.pages) page_of.try_emplace(page.name, &page);

  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path(ContentsPageName())));
  WriteModernHead(out, "Contents");
  out.WriteLine("<h1>Contents</h1>");
  out.Write("<nav class=\"bar\"><a href=\"");
  out.Write(MainIndexPageName());
  out.WriteLine("\">Index of all words</a></nav>");
  out.Write("<p>");
  out.Write(DecimalText(sorted_names.size()).view());
  out.WriteLine(
      " pages with indexed words. Double-click a word on a page to see its "
      "links to the next occurrence, the word index and the search page.</p>");
  for (size_t at = 0; at < sorted_names.size(); ++at) {
    if (at % kEntriesPerBlock == 0) {
      if (at > 0) out.WriteLine("</ol>");
      out.Write("<ol class=\"blk contents\" start=\"");
      out.Write(DecimalText(at + 1).view());
      out.WriteLine("\">");
    }
    const std::string& name = sorted_names[at];
    const std::string shown = EscapedText(name);
    auto page = page_of.find(name);
    const std::string text = EscapedText(ModernPageTitle(
        name, page == page_of.end() ? nullptr : &page->second->origin));
    // <li id="PAGE"><a href="PAGE">PAGE</a> TEXT</li>
    out.Write("<li id=\"");
    out.Write(shown);
    out.Write("\"><a href=\"");
    out.Write(shown);
    out.Write("\">");
    out.Write(shown);
    out.Write("</a> <span class=\"text-name\">");
    out.Write(text);
    out.WriteLine("</span></li>");
  }
  if (!sorted_names.empty()) out.WriteLine("</ol>");
  out.Write("<p>Details: ");
  out.Write(InfoLink(settings));
  out.WriteLine("</p>");
  WriteModernEnd(out);
  return out.Close();
}

}  // namespace docbase
