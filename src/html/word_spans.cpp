#include "html/word_spans.h"

#include <charconv>

namespace docbase {
namespace {

// Writes `value` in plain decimal.
void WriteNumber(LineWriter& out, uint64_t value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.Write(std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
}

}  // namespace

void WriteWordSpan(LineWriter& out, const OccurrenceRecord& record) {
  out.Write("<span id=\"");
  out.Write(record.id);
  out.Write("\" type = \"text/javascript\"ondblclick = \"window.open('");
  out.Write(record.page);
  out.Write("#");
  out.Write(record.id);
  out.Write("'); window.event.cancelbubble = true;\">");
  out.Write(record.word);
  out.WriteLine("</span>");
}

bool HasNavigationSpan(int find_word, std::string_view word) {
  return find_word == 1 && word != "Pages_list";
}

void WriteNavigationSpan(LineWriter& out, std::string_view group,
                         const OccurrenceRecord& record,
                         uint64_t last_on_page) {
  const std::string_view id = record.id;
  out.Write("<span hidden id=\"");
  out.Write(id);
  out.WriteLine("\">");

  out.Write("(");
  out.Write(record.k_text);
  out.Write(")(<a href=\"#");
  out.Write(id);
  out.Write("_");
  if (record.k < last_on_page) {
    WriteNumber(out, record.k + 1);
    out.WriteLine("\">&gt;</a>,");
  } else {
    WriteNumber(out, record.k);
    out.WriteLine("\"></a>");
  }

  out.Write("<a href=\"i_");
  out.Write(group);
  out.Write(".htm#");
  out.Write(id);
  out.WriteLine("\">i</a>,");

  out.Write("<a href=\"s_");
  out.Write(group);
  out.Write(".htm#");
  out.Write(id);
  out.Write("_");
  WriteNumber(out, record.k);
  out.WriteLine("\">s</a>,");

  if (record.next.empty()) {
    out.WriteLine("<a href=\"files_list.htm\">c)</a></span>");
  } else {
    out.WriteLine("<a href=\"files_list.htm\">c</a>,");
    out.Write("<a href=\"");
    out.Write(record.next);
    out.Write("#");
    out.Write(id);
    out.WriteLine("\">&gt;&gt;)</a></span>");
  }

  out.Write("<span id=\"");
  out.Write(id);
  out.Write("_");
  WriteNumber(out, record.k);
  out.WriteLine("\"></span>");
}

}  // namespace docbase
