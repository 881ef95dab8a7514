#include "html/modern/page_head.h"

#include <string>

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
  out.Write(title);
  out.WriteLine("</title>");
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

std::string EscapedText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace docbase
