#include "html/modern/list_markup.h"

#include "common/run_clock.h"
#include "html/modern/page_head.h"
#include "workarea/file_names.h"

namespace docbase {

void WriteEscaped(LineWriter& out, std::string_view text) {
  size_t start = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    std::string_view reference;
    switch (text[at]) {
      case '&': reference = "&amp;"; break;
      case '<': reference = "&lt;"; break;
      case '>': reference = "&gt;"; break;
      case '"': reference = "&quot;"; break;
      default: continue;
    }
    out.Write(text.substr(start, at - start));
    out.Write(reference);
    start = at + 1;
  }
  out.Write(text.substr(start));
}

namespace {

// Which bytes a query keeps as they are: ASCII letters, digits and "-._~".
struct PlainQueryBytes {
  bool plain[256] = {};
  constexpr PlainQueryBytes() {
    for (int c = 'a'; c <= 'z'; ++c) plain[c] = plain[c - 'a' + 'A'] = true;
    for (int c = '0'; c <= '9'; ++c) plain[c] = true;
    plain['-'] = plain['.'] = plain['_'] = plain['~'] = true;
  }
};
constexpr PlainQueryBytes kPlainQueryBytes;

}  // namespace

void WriteQueryEncoded(LineWriter& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  // Encoded in a buffer and written at once: a phrase is mostly words
  // between blanks, and a write per blank would cost more than the bytes.
  char buffer[768];
  size_t used = 0;
  for (char c : text) {
    if (used + 3 > sizeof buffer) {
      out.Write(std::string_view(buffer, used));
      used = 0;
    }
    const unsigned char byte = static_cast<unsigned char>(c);
    if (kPlainQueryBytes.plain[byte]) {
      buffer[used++] = c;
    } else {
      buffer[used++] = '%';
      buffer[used++] = kHex[byte >> 4];
      buffer[used++] = kHex[byte & 15];
    }
  }
  out.Write(std::string_view(buffer, used));
}

void WriteWebSearchLink(LineWriter& out, const Settings& settings,
                        std::string_view phrase, std::string_view site,
                        std::string_view label) {
  out.Write("<a class=\"web\" href=\"http://");
  WriteEscaped(out, settings.search_host);
  out.Write("/search?q=");
  WriteQueryEncoded(out, phrase);
  if (!site.empty()) {
    WriteQueryEncoded(out, " site:");
    WriteQueryEncoded(out, site);
  }
  out.Write("\">");
  WriteEscaped(out, label);
  out.Write("</a>");
}

void WriteListPageTop(LineWriter& out, const Settings& settings,
                      std::string_view title,
                      const std::vector<NavigationLink>& links,
                      std::string_view about) {
  const std::string escaped = EscapedText(title);
  WriteModernHead(out, escaped);
  out.WriteLine("<header class=\"top\">");
  out.Write("<h1>");
  out.Write(escaped);
  out.WriteLine("</h1>");
  out.Write("<nav>");
  for (size_t i = 0; i < links.size(); ++i) {
    out.Write(i == 0 ? "<a " : " <a ");
    if (!links[i].rel.empty()) {
      out.Write("rel=\"");
      out.Write(links[i].rel);
      out.Write("\" ");
    }
    out.Write("href=\"");
    out.Write(links[i].href);
    out.Write("\">");
    out.Write(links[i].label);
    out.Write("</a>");
  }
  out.WriteLine("</nav>");
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

void EntryBlocks::Entry() {
  if (open_ && in_block_ >= per_block_) Finish();
  if (!open_) {
    out_.Write("<div class=\"blk ");
    out_.Write(kind_);
    out_.WriteLine("\">");
    open_ = true;
    in_block_ = 0;
  }
  ++in_block_;
}

void EntryBlocks::Finish() {
  if (!open_) return;
  out_.WriteLine("</div>");
  open_ = false;
}

}  // namespace docbase
