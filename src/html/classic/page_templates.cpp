#include "html/classic/page_templates.h"

namespace docbase {

void WriteHighlightScript(LineWriter& out, const DisplayParameters& display) {
  out.WriteLine("<script language=\"javascript\">");
  out.WriteLine("if (history.length > 0)");
  out.WriteLine("{");
  out.WriteLine("document.writeln(\"<style type=\\\"text/css\\\">\");");
  out.WriteLine("document.writeln(self.location.hash + \" { color: " +
                display.font_colour + " } \");");
  out.WriteLine("document.writeln(self.location.hash + \" { font-size: " +
                display.font_size + " } \");");
  out.WriteLine(
      "document.writeln(self.location.hash + \" { font-weight: bold } \");");
  if (display.find_word == 1) {
    out.WriteLine(
        "document.writeln(self.location.hash + \" { display: inline } \");");
  }
  out.WriteLine("document.writeln(\"</style>\");");
  out.WriteLine("}");
  out.WriteLine("</script>");
}

void WritePromotionalBlock(LineWriter& out, const Settings& settings) {
  out.WriteLine("<br>");
  out.WriteLine("<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAMS </b>");
  out.WriteLine("<br>");
  out.WriteLine(
      "<br> Our programs are intended for companis who want to consolidate "
      "their brand through free distribution of the programs.");
  out.WriteLine(
      "<br> Advertising messages and search links in the programs are "
      "tailored to each customer individually.");
  out.WriteLine("<br>");
  out.WriteLine("<br> PLACEMENT OF ADVERTISING MESSAGES");
  out.WriteLine(
      "<br> The programs read advertising messages from the web address "
      "specified by the buyer when ordering.");
  out.WriteLine(
      "<br> Advertisement messages are placed in the all-words index and "
      "other output files.");
  out.WriteLine("<br>");
  out.WriteLine("<br> GOOGLE SEARCH PHRASES");
  out.WriteLine(
      "<br> The programs generate Google search strings for all words in the "
      "all-words index and target the web address specified by the buyer "
      "when ordering.");
  out.WriteLine("<br>");
  out.WriteLine(
      "<br> Remember: the all-words index file is accessible while reading "
      "output file, just by double-clicking on any word.");
  out.WriteLine("<br> More info at:");
  out.WriteLine("<br> " + InfoLink(settings));
  out.WriteLine("<br>");
}

std::string WebSearchUrl(const Settings& settings, std::string_view query) {
  std::string url = "http://" + settings.search_host + "/search?q=";
  url += query;
  return url;
}

}  // namespace docbase
