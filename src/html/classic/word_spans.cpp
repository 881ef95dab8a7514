#include "html/classic/word_spans.h"

#include "html/decimal_text.h"
#include "workarea/file_names.h"

namespace docbase {

void WriteWordSpan(LineWriter& out, const OccurrenceRecord& record) {
  out.Write("<span id=\"");
  out.Write(record.id);
  out.Write("\" type = \"text/javascript\"ondblclick = \"window.open('");
  out.Write(record.page);
  out.Write("#");
  out.Write(record.id);
  out.Write("'); window.event.cancelbubble = true;\">");
  out.Write(record.word);
  out.Write("</span>\r\n");
}

NavigationSpanWriter::NavigationSpanWriter(std::string_view group) {
  const std::string index_link =
      "<a href=\"" + WordIndexPageName(group) + "#";
  next_link_then_index_ = "\">&gt;</a>,\r\n" + index_link;
  no_next_link_then_index_ = "\"></a>\r\n" + index_link;
  index_end_then_search_ =
      "\">i</a>,\r\n<a href=\"" + SearchPageName(group) + "#";
  const std::string contents_link =
      "\">s</a>,\r\n<a href=\"" + std::string(ContentsPageName());
  search_end_then_last_contents_ =
      contents_link + "\">c)</a></span>\r\n<span id=\"";
  search_end_then_contents_ = contents_link + "\">c</a>,\r\n<a href=\"";
}

// The lines, for word id ID, occurrence K (as stored and as a number N),
// group G and next page NEXT:
//   <span hidden id="ID">
//   (K)(<a href="#ID_N+1">&gt;</a>,     or  (K)(<a href="#ID_N"></a>
//   <a href="i_G.htm#ID">i</a>,
//   <a href="s_G.htm#ID_N">s</a>,
//   <a href="files_list.htm">c</a>,     and <a
//   href="NEXT#ID">&gt;&gt;)</a></span>
//     or, without a next page, <a href="files_list.htm">c)</a></span>
//   <span id="ID_N"></span>
void NavigationSpanWriter::Write(LineWriter& out,
                                 const OccurrenceRecord& record,
                                 uint64_t last_on_page) const {
  const std::string_view id = record.id;
  const DecimalText k_digits(record.k);
  const std::string_view k = k_digits.view();
  const bool links_on = record.k < last_on_page;

  out.Write("<span hidden id=\"");
  out.Write(id);
  out.Write("\">\r\n(");
  out.Write(record.k_text);
  out.Write(")(<a href=\"#");
  out.Write(id);
  out.Write("_");
  out.Write(links_on ? DecimalText(record.k + 1).view() : k);
  out.Write(links_on ? next_link_then_index_ : no_next_link_then_index_);
  out.Write(id);
  out.Write(index_end_then_search_);
  out.Write(id);
  out.Write("_");
  out.Write(k);
  if (record.next.empty()) {
    out.Write(search_end_then_last_contents_);
  } else {
    out.Write(search_end_then_contents_);
    out.Write(record.next);
    out.Write("#");
    out.Write(id);
    out.Write("\">&gt;&gt;)</a></span>\r\n<span id=\"");
  }
  out.Write(id);
  out.Write("_");
  out.Write(k);
  out.Write("\"></span>\r\n");
}

}  // namespace docbase
