#include "html/contents_page.h"

#include <string>
#include <string_view>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/run_clock.h"
#include "html/page_head.h"

namespace docbase {

Status WriteContentsPage(const WorkArea& area, const RunState& state) {
  LineReader pages;
  DOCBASE_RETURN_IF_ERROR(pages.Open(area.Path("group_page_all_sort.txt")));
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path("files_list.htm")));

  WritePageHead(out, state.display.code_page_name, "index of key words");
  out.WriteLine("<br>");
  WriteQuickSearchIntro(out);
  WriteDetailsLink(out, state);
  WriteDateTimeLines(out, CurrentDateTime());
  out.WriteLine("<br>");

  std::string_view page;
  while (pages.Next(&page)) {
    std::string entry = "<a href=\"";
    entry.append(page).append("\"><span id = \"").append(page);
    entry.append("\" >").append(page).append("</span></a><br>");
    out.WriteLine(entry);
  }
  DOCBASE_RETURN_IF_ERROR(pages.status());

  out.WriteLine("<br><br>");
  out.WriteLine("</body>");
  out.WriteLine("</html>");
  return out.Close();
}

}  // namespace docbase
