#include "html/classic/contents_page.h"

#include <string>
#include <string_view>

#include "html/classic/page_head.h"
#include "io/line_writer.h"
#include "run/run_clock.h"
#include "workarea/file_names.h"

namespace docbase {

Status WriteContentsPage(const WorkArea& area, const Settings& settings,
                         const std::vector<std::string>& pages) {
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path(ContentsPageName())));

  WriteKeyWordsPageTop(out, settings);
  out.WriteLine("<br>");

  // <a href="PAGE"><span id = "PAGE" >PAGE</span></a><br>
  for (const std::string& page : pages) {
    out.Write("<a href=\"");
    out.Write(page);
    out.Write("\"><span id = \"");
    out.Write(page);
    out.Write("\" >");
    out.Write(page);
    out.Write("</span></a><br>\r\n");
  }

  out.WriteLine("<br><br>");
  out.WriteLine("</body>");
  out.WriteLine("</html>");
  return out.Close();
}

}  // namespace docbase
