#include "html/modern/contents_page.h"

#include <unordered_map>

#include "html/decimal_text.h"
#include "html/modern/annotated_pages.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "io/line_writer.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

constexpr uint64_t kEntriesPerBlock = 250;

}  // namespace

Status WriteModernContentsPage(const WorkArea& area, const Settings& settings,
                               const WordCensus& census,
                               const std::vector<std::string>& sorted_names) {
  std::unordered_map<std::string_view, const PageTally*> page_of;
  for (const PageTally& page : census.pages) page_of.try_emplace(page.name, &page);

  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path(ContentsPageName())));
  WriteListPageTop(
      out, settings, "Contents",
      {{std::string(MainIndexPageName()), "Index of all words"}},
      std::string(DecimalText(sorted_names.size()).view()) +
          " pages with indexed words. Double-click or tap a word on a page "
          "to see its links to the next occurrence, the word index and the "
          "search page.");
  out.WriteLine("<main>");
  // Numbered lists, each going on with the numbers of the one before.
  Blocks blocks(
      out, Blocks::Limits{kEntriesPerBlock},
      [](LineWriter& to, uint64_t first_entry) {
        to.Write("<ol class=\"blk contents\" start=\"");
        to.Write(DecimalText(first_entry).view());
        to.WriteLine("\">");
      },
      "</ol>");
  for (const std::string& name : sorted_names) {
    blocks.Entry();
    auto page = page_of.find(name);
    // <li id="PAGE"><a href="PAGE">PAGE</a> TEXT</li>
    out.Write("<li id=\"");
    WriteEscaped(out, name);
    out.Write("\"><a href=\"");
    WriteEscaped(out, name);
    out.Write("\">");
    WriteEscaped(out, name);
    out.Write("</a> <span class=\"text-name\">");
    WriteEscaped(out, ModernPageTitle(name, page == page_of.end()
                                                ? nullptr
                                                : &page->second->origin));
    out.WriteLine("</span></li>");
  }
  blocks.Finish();
  out.WriteLine("</main>");
  WriteModernEnd(out);
  return out.Close();
}

}  // namespace docbase
