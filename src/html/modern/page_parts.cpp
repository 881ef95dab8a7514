#include "html/modern/page_parts.h"

#include "base/text.h"
#include "html/modern/markup.h"
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

void WritePartRecord(const WorkArea& area, std::string_view page,
                     int64_t part, bool goes_on, PageParts& parts,
                     const std::function<void(LineWriter&)>& write_fields,
                     Status* first_error) {
  const std::string name = PartRecordName(PagePartName(page, part));
  LineWriter out;
  Status status = out.Open(area.Path(name));
  out.Write("docbasePart(");
  WriteJsonString(out, goes_on ? PagePartName(page, part + 1) : "");
  out.Write(",{");
  // The last part's record says only that no part follows.
  if (goes_on) write_fields(out);
  out.WriteLine("});");
  Status closed = out.Close();
  if (status.ok()) status = closed;
  if (first_error->ok()) *first_error = status;
  parts.Add(name);
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
