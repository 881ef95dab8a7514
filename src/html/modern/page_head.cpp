#include "html/modern/page_head.h"

#include "html/modern/markup.h"
#include "run/run_clock.h"
#include "workarea/file_names.h"

namespace docbase {

void WriteModernHead(LineWriter& out, std::string_view title) {
  out.WriteLine("<!DOCTYPE html>");
  out.WriteLine("<html lang=\"en\">");
  out.WriteLine("<head>");
  out.WriteLine("<meta charset=\"utf-8\">");
  out.WriteLine(
      "<meta name=\"viewport\" content=\"width=device-width, "
      "initial-scale=1\">");
  out.Write("<title>");
  WriteEscaped(out, title);
  out.WriteLine("</title>");
  // An empty icon: without one, every browser asks the server for
  // /favicon.ico, which a document base does not have (a failed request,
  // logged as an error, on every site that serves it).
  out.WriteLine("<link rel=\"icon\" href=\"data:,\">");
  out.Write("<link rel=\"stylesheet\" href=\"");
  out.Write(StyleSheetName());
  out.WriteLine("\">");
  out.Write("<script defer src=\"");
  out.Write(ScriptName());
  out.WriteLine("\"></script>");
  out.WriteLine("</head>");
  out.WriteLine("<body>");
}

void WriteModernEnd(LineWriter& out) {
  out.WriteLine("</body>");
  out.WriteLine("</html>");
}

void WriteNavigation(LineWriter& out, std::string_view nav_class,
                     const std::vector<NavigationLink>& links,
                     std::string_view label) {
  out.Write("<nav");
  if (!nav_class.empty()) {
    out.Write(" class=\"");
    out.Write(nav_class);
    out.Write("\"");
  }
  if (!label.empty()) {
    out.Write(" aria-label=\"");
    WriteEscaped(out, label);
    out.Write("\"");
  }
  out.Write(">");
  for (size_t i = 0; i < links.size(); ++i) {
    out.Write(i == 0 ? "<a " : " <a ");
    if (!links[i].rel.empty()) {
      out.Write("rel=\"");
      out.Write(links[i].rel);
      out.Write("\" ");
    }
    out.Write("href=\"");
    WriteEscaped(out, links[i].href);
    out.Write("\">");
    WriteEscaped(out, links[i].label);
    out.Write("</a>");
  }
  out.WriteLine("</nav>");
}

void WriteListPageData(LineWriter& out, const Settings& settings,
                       const MainIndexParts& parts, int64_t group) {
  const std::string g = std::to_string(group);
  out.Write("<script type=\"application/json\" id=\"list-data\">{\"i\":");
  WriteJsonString(out, WordIndexPageName(g));
  out.Write(",\"s\":");
  WriteJsonString(out, SearchPageName(g));
  out.Write(",\"c\":");
  WriteJsonString(out, ContentsPageName());
  out.Write(",\"host\":");
  WriteJsonString(out, settings.search_host);
  out.Write(",\"addr\":");
  WriteJsonString(out, settings.target_address);
  out.Write(",\"site\":");
  WriteJsonString(out, settings.target_site);
  out.Write(",\"mf\":[");
  for (size_t at = 0; at < parts.first_numbers().size(); ++at) {
    if (at > 0) out.Write(",");
    out.Write(std::to_string(parts.first_numbers()[at]));
  }
  out.Write("],\"mp\":[");
  for (size_t at = 0; at < parts.page_names().size(); ++at) {
    if (at > 0) out.Write(",");
    WriteJsonString(out, parts.page_names()[at]);
  }
  out.WriteLine("]}</script>");
}

void WriteListPageTop(LineWriter& out, const Settings& settings,
                      std::string_view title,
                      const std::vector<NavigationLink>& links,
                      std::string_view about) {
  WriteModernHead(out, title);
  out.WriteLine("<header class=\"top\">");
  out.Write("<h1>");
  WriteEscaped(out, title);
  out.WriteLine("</h1>");
  WriteNavigation(out, "", links);
  const DateTimeText& now = settings.run_moment;
  out.Write("<p class=\"about\">");
  out.Write(about);
  out.Write(" Made ");
  out.Write(now.date);
  out.Write(" at ");
  out.Write(now.time);
  out.Write(". Details: ");
  out.Write(InfoLink(settings));
  out.WriteLine("</p>");
  out.WriteLine("</header>");
}

}  // namespace docbase
