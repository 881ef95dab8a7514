// How the bytes of a text become UTF-8 before any phase reads them. Editors
// save texts in other forms than the UTF-8 the screens ask for; each text is
// converted once, as it is read, so that every later rule sees only UTF-8:
//
//   - a UTF-8 byte-order mark (EF BB BF) at its start is dropped;
//   - a text that starts with a UTF-16 byte-order mark (FF FE little-endian,
//     FE FF big-endian) is converted from UTF-16: an unpaired surrogate
//     gives U+FFFD, an odd last byte is dropped;
//   - a text that is not valid UTF-8 (after its mark) is read in the code
//     page chosen with --encoding, when one was chosen; otherwise it is kept
//     as bytes (and named once the run has ended).
//
// This module only computes: TextForm says what a text needs, Utf8Check
// tells valid UTF-8 from other bytes block by block, and TextDecoder
// converts a text block by block, so a text of any size streams through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pages/code_pages.h"

namespace docbase {

struct TextForm {
  enum class Decoding { kNone, kUtf16Le, kUtf16Be, kCodePage };
  // Bytes of a byte-order mark at the start, dropped.
  size_t mark = 0;
  Decoding decoding = Decoding::kNone;
  // The code page of kCodePage.
  const CodePage* code_page = nullptr;
  // False when the text after its mark is not valid UTF-8 (UTF-16 texts
  // count as valid: they are converted whole).
  bool utf8 = true;

  // Whether the text's bytes are read exactly as they are.
  bool as_is() const { return mark == 0 && decoding == Decoding::kNone; }
};

// The mark and UTF-16 decoding a text starting with `start` has: `start`
// holds its first three bytes, or all of a shorter text.
TextForm FormOfStart(std::string_view start);

// Whether a stream of bytes, given in blocks, is valid UTF-8: no overlong
// form, no surrogate, nothing above U+10FFFF, no sequence cut at the end.
class Utf8Check {
 public:
  void Add(std::string_view bytes);
  // Whether all bytes added so far form complete, valid UTF-8.
  bool valid() const { return !broken_ && needed_ == 0; }
  // Whether no invalid byte has been seen yet (more may complete a
  // sequence).
  bool broken() const { return broken_; }

 private:
  bool broken_ = false;
  int needed_ = 0;  // continuation bytes still wanted
  unsigned char low_ = 0x80, high_ = 0xBF;  // range of the next one
};

// Converts a text of form `form` to UTF-8, from its first byte on (the mark
// included: it is dropped here).
class TextDecoder {
 public:
  explicit TextDecoder(const TextForm& form) : form_(form) {}
  // Appends the UTF-8 of the next bytes of the text to `*out`.
  void Add(std::string_view bytes, std::string* out);
  // Appends what the end of the text leaves: U+FFFD for a high surrogate
  // that no low one followed. An odd last byte of UTF-16 is dropped.
  void Finish(std::string* out);

 private:
  void AddUnit(uint32_t unit, std::string* out);

  TextForm form_;
  size_t skipped_ = 0;  // bytes of the mark dropped so far
  int first_byte_ = -1;  // the first byte of a UTF-16 unit, or -1
  uint32_t high_ = 0;    // a high surrogate waiting for its low one, or 0
};

// Appends the UTF-8 bytes of `code_point` (at most U+10FFFF).
void AppendUtf8(uint32_t code_point, std::string* out);

}  // namespace docbase
