#include "html/classic/page_head.h"

#include <string>

namespace docbase {

void WritePageHead(LineWriter& out, std::string_view code_page_name,
                   std::string_view title) {
  out.WriteLine("<html>");
  out.WriteLine("<br>");
  out.WriteLine("<head>");
  out.WriteLine("<br>");
  out.WriteLine(
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
      std::string(code_page_name) + "\">");
  out.WriteLine("<br>");
  out.WriteLine("<title>" + std::string(title) + "</title>");
  out.WriteLine("<br>");
  out.WriteLine("</head>");
  out.WriteLine("<br>");
  out.WriteLine("<body>");
}

void WriteQuickSearchIntro(LineWriter& out) {
  out.WriteLine("QUICK AND EASY INFORMATION SEARCH");
  out.WriteLine("<br>");
  out.WriteLine(
      "We offer users a fast and efficient way to search for information in "
      "input files, and they can also continue their search with the help of "
      "program-defined Google search phrases.");
  out.WriteLine("<br>");
  out.WriteLine(
      "Just double-clicking on any word is enough to access the index of all "
      "words.");
  out.WriteLine("<br>");
  out.WriteLine("<br>");
}

void WriteDetailsLink(LineWriter& out, const Settings& settings) {
  out.WriteLine("Details:");
  out.WriteLine("<br>");
  out.WriteLine(InfoLink(settings));
  out.WriteLine("<br><br>");
}

void WriteDateTimeLines(LineWriter& out, const DateTimeText& now) {
  out.WriteLine("Date (mm-dd-yy) = " + now.date + "<br>");
  out.WriteLine("Time (h:m:s)    = " + now.time + "<br>");
}

void WriteKeyWordsPageTop(LineWriter& out, const Settings& settings) {
  WritePageHead(out, settings.display.code_page_name, "index of key words");
  out.WriteLine("<br>");
  WriteQuickSearchIntro(out);
  WriteDetailsLink(out, settings);
  WriteDateTimeLines(out, settings.run_moment);
}

}  // namespace docbase
