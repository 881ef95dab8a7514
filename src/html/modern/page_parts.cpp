#include "html/modern/page_parts.h"

#include "base/text.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "workarea/file_names.h"

namespace docbase {

PageParts::PageParts(uint64_t bytes, uint64_t search_bytes)
    : bytes_(bytes), search_bytes_(search_bytes) {}

void PageParts::Add(std::string name) {
  std::lock_guard<std::mutex> lock(mutex_);
  names_.push_back(std::move(name));
}

std::vector<std::string> PageParts::Names() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return names_;
}

void OpenNextPart(LineWriter& out, const WorkArea& area,
                  const std::string& next, PageParts& parts,
                  Status* first_error) {
  Status closed = out.Close();
  if (first_error->ok()) *first_error = closed;
  Status opened = out.Open(area.Path(next));
  if (first_error->ok()) *first_error = opened;
  parts.Add(next);
}

uint64_t WordIdNumber(std::string_view id) {
  uint64_t number = 0;
  for (char c : id.substr(2)) number = number * 10 + (c - '0');
  return number;
}

void EndHeldHead(LineWriter& out, std::string_view next_part,
                 const std::function<void()>& write_fields) {
  if (!next_part.empty()) {
    const uint64_t from = out.written();
    out.Write("<script type=\"application/json\" id=\"part-words\">{\"x\":");
    WriteJsonString(out, next_part);
    out.Write(",");
    write_fields();
    out.WriteLine("}</script>");
    WriteModernScript(out, false);
    out.MoveToHoldStart(from, ModernScriptBytes(true));
  }
  out.Release();
}

void WriteContinuedFrom(LineWriter& out, std::string_view page, int64_t part) {
  out.Write(
      "<nav class=\"part\" aria-label=\"Part before\">Continued from "
      "<a href=\"");
  WriteEscaped(out, part == 2 ? std::string(TrimBlanks(page))
                              : PagePartName(page, part - 1));
  out.Write("\">");
  out.Write(part == 2 ? "the page's start"
                      : "part " + std::to_string(part - 1));
  out.Write("</a>.</nav>");
}

void WriteContinuedIn(LineWriter& out, std::string_view page, int64_t part) {
  out.Write(
      "<nav class=\"part\" aria-label=\"Part after\"><a id=\"next-part\" "
      "href=\"");
  WriteEscaped(out, PagePartName(page, part + 1));
  out.Write("\">Continued in part ");
  out.Write(std::to_string(part + 1));
  out.WriteLine("</a></nav>");
}

}  // namespace docbase
