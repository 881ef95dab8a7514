#include "html/modern/markup.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "pages/text_encoding.h"

namespace docbase {

namespace {

// Where the escapers write: a page, or a string a page is made from.
struct PageSink {
  LineWriter& out;
  void Write(std::string_view bytes) { out.Write(bytes); }
};
struct StringSink {
  std::string& text;
  void Write(std::string_view bytes) { text.append(bytes); }
};

// Eight bytes at a time: a word with each byte set to `byte`, and whether
// any byte of `bytes` is zero (exact for the word as a whole).
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t Spread(unsigned char byte) { return kOnes * byte; }
constexpr bool HasZeroByte(uint64_t bytes) {
  return ((bytes - kOnes) & ~bytes & (kOnes << 7)) != 0;
}
uint64_t LoadEight(const char* at) {
  uint64_t bytes;
  std::memcpy(&bytes, at, sizeof bytes);
  return bytes;
}

// Where the first byte that Escape replaces stands in `text` from `from`
// on, or a place at most seven bytes before it: the eight-byte steps only
// skip stretches that hold none of &, <, > and ".
size_t SkipPlainBytes(std::string_view text, size_t from) {
  while (from + 8 <= text.size()) {
    const uint64_t bytes = LoadEight(text.data() + from);
    if (HasZeroByte(bytes ^ Spread('&')) || HasZeroByte(bytes ^ Spread('<')) ||
        HasZeroByte(bytes ^ Spread('>')) || HasZeroByte(bytes ^ Spread('"'))) {
      break;
    }
    from += 8;
  }
  return from;
}

template <typename Sink>
void Escape(Sink sink, std::string_view text) {
  size_t start = 0;
  for (size_t at = SkipPlainBytes(text, 0); at < text.size(); ++at) {
    std::string_view reference;
    switch (text[at]) {
      case '&': reference = "&amp;"; break;
      case '<': reference = "&lt;"; break;
      case '>': reference = "&gt;"; break;
      case '"': reference = "&quot;"; break;
      default: continue;
    }
    sink.Write(text.substr(start, at - start));
    sink.Write(reference);
    start = at + 1;
    at = SkipPlainBytes(text, start) - 1;
  }
  sink.Write(text.substr(start));
}

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

template <typename Sink>
void QueryEncode(Sink sink, std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  // Encoded in a buffer and written at once: a phrase is mostly words
  // between blanks, and a write per blank would cost more than the bytes.
  char buffer[768];
  size_t used = 0;
  for (char c : text) {
    if (used + 3 > sizeof buffer) {
      sink.Write(std::string_view(buffer, used));
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
  sink.Write(std::string_view(buffer, used));
}

}  // namespace

void WriteEscaped(LineWriter& out, std::string_view text) {
  Escape(PageSink{out}, text);
}

void AppendEscaped(std::string* to, std::string_view text) {
  Escape(StringSink{*to}, text);
}

void WriteQueryEncoded(LineWriter& out, std::string_view text) {
  QueryEncode(PageSink{out}, text);
}

void AppendQueryEncoded(std::string* to, std::string_view text) {
  QueryEncode(StringSink{*to}, text);
}

bool SurvivesAsText(std::string_view text) {
  // Most words are printable ASCII, which always survives: eight bytes at
  // a time, none below a blank and none with the high bit set or 0x7f.
  size_t at = 0;
  while (at + 8 <= text.size()) {
    const uint64_t bytes = LoadEight(text.data() + at);
    const uint64_t below_blank = (bytes - Spread(0x20)) & ~bytes;
    const uint64_t delete_byte = bytes ^ Spread(0x7f);
    if (((below_blank | bytes) & (kOnes << 7)) != 0 ||
        HasZeroByte(delete_byte)) {
      break;
    }
    at += 8;
  }
  while (at < text.size()) {
    const unsigned char byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte >= 0x7f) break;
    ++at;
  }
  // The rest is checked byte by byte; the printable ASCII before it is
  // whole UTF-8 already.
  const std::string_view rest = text.substr(at);
  for (char c : rest) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && byte != '\t') || byte == 0x7f) return false;
  }
  Utf8Check check;
  check.Add(rest);
  return check.valid();
}

void WriteJsonString(LineWriter& out, std::string_view text) {
  out.Write("\"");
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out.Write(c == '"' ? "\\\"" : "\\\\");
    } else if (c == '<' || static_cast<unsigned char>(c) < 0x20) {
      static const char kHex[] = "0123456789abcdef";
      const char escaped[] = {'\\', 'u', '0', '0',
                              kHex[(static_cast<unsigned char>(c) >> 4) & 15],
                              kHex[static_cast<unsigned char>(c) & 15]};
      out.Write(std::string_view(escaped, sizeof escaped));
    } else {
      out.Write(std::string_view(&c, 1));
    }
  }
  out.Write("\"");
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
