#include "html/modern/markup.h"

#include <string>
#include <utility>

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

Blocks::Blocks(LineWriter& out, Limits limits, OpenTag open,
               std::string_view close_line)
    : out_(out),
      limits_(limits),
      open_tag_(std::move(open)),
      close_line_(close_line) {}

Blocks::Blocks(LineWriter& out, std::string_view kind, uint64_t entries)
    : Blocks(out, Limits{entries}, [kind](LineWriter& to, uint64_t) {
        to.Write("<div class=\"blk ");
        to.Write(kind);
        to.WriteLine("\">");
      }) {}

bool Blocks::Entry(bool may_end) {
  ++entries_seen_;
  if (open_ && may_end &&
      (entries_ >= limits_.entries || bytes_ >= limits_.bytes)) {
    Finish();
  }
  const bool starts = !open_;
  if (starts) {
    open_tag_(out_, entries_seen_);
    open_ = true;
    entries_ = bytes_ = 0;
  }
  ++entries_;
  return starts;
}

void Blocks::Finish() {
  if (!open_) return;
  out_.WriteLine(close_line_);
  open_ = false;
}

}  // namespace docbase
