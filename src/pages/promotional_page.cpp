#include "pages/promotional_page.h"

#include <string_view>

#include "io/line_writer.h"
#include "workarea/file_names.h"

namespace docbase {

Status WritePromotionalPage(const WorkArea& area, const Settings& settings) {
  LineWriter page;
  DOCBASE_RETURN_IF_ERROR(page.Open(area.Path(InFolder(InputPageFolder(), PromotionalPageName()))));
  page.WriteLine("<html>");
  page.WriteLine("<head>");
  page.WriteLine(
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
      settings.display.code_page_name + "\">");
  for (std::string_view line : {
           "<title>advertising message</title>",
           "</head>",
           "<body>",
           "<br>",
           "<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAMS </b>",
           "<br>",
           "<br> Our programs are intended for companis who want to "
           "consolidate their brand through free distribution of the "
           "programs.",
           "<br> Advertising messages and search links in the programs are "
           "tailored to each customer individually.",
           "<br>",
           "<br> PLACEMENT OF ADVERTISING MESSAGES",
           "<br> The programs read advertising messages from the web address "
           "specified by the buyer when ordering.",
           "<br> Advertisement messages are placed in the all-words index and "
           "other output files.",
           "<br>",
           "<br> GOOGLE SEARCH PHRASES",
           "<br> The programs generate Google search strings for all words in "
           "the all-words index and target the web address specified by the "
           "buyer when ordering.",
           "<br>",
           "<br> Remember: the all-words index file is accessible while "
           "reading output file, just by double-clicking on any word.",
           "<br> More info at:",
       }) {
    page.WriteLine(line);
  }
  page.WriteLine("<br> " + InfoLink(settings));
  // The two breaks after </body> are part of the page as it has always been.
  for (std::string_view line : {"</body>", "<br>", "<br>", "</html>"}) {
    page.WriteLine(line);
  }
  return page.Close();
}

}  // namespace docbase
