#include "pages/text_encoding.h"

#include <algorithm>
#include <cstring>

#include "base/text.h"

namespace docbase {
namespace {

constexpr uint32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

const CodePage* FindCodePage(std::string_view name) {
  const std::string lower = ToLowerAscii(name);
  for (size_t i = 0; i < kCodePageCount; ++i) {
    if (kCodePages[i].name == lower) return &kCodePages[i];
  }
  return nullptr;
}

TextForm FormOfStart(std::string_view start) {
  TextForm form;
  if (start.starts_with("\xEF\xBB\xBF")) {
    form.mark = 3;
  } else if (start.starts_with("\xFF\xFE")) {
    form.mark = 2;
    form.decoding = TextForm::Decoding::kUtf16Le;
  } else if (start.starts_with("\xFE\xFF")) {
    form.mark = 2;
    form.decoding = TextForm::Decoding::kUtf16Be;
  }
  return form;
}

void Utf8Check::Add(std::string_view bytes) {
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  while (p < end && !broken_) {
    if (needed_ == 0) {
      // ASCII goes eight bytes at a time.
      uint64_t word;
      while (end - p >= 8 &&
             (std::memcpy(&word, p, 8), (word & 0x8080808080808080u) == 0)) {
        p += 8;
      }
      if (p == end) break;
      const auto byte = static_cast<unsigned char>(*p++);
      if (byte < 0x80) continue;
      low_ = 0x80;
      high_ = 0xBF;
      if (byte < 0xC2) {
        broken_ = true;  // a continuation byte, or an overlong lead
      } else if (byte < 0xE0) {
        needed_ = 1;
      } else if (byte < 0xF0) {
        needed_ = 2;
        if (byte == 0xE0) low_ = 0xA0;   // overlong
        if (byte == 0xED) high_ = 0x9F;  // surrogates
      } else if (byte < 0xF5) {
        needed_ = 3;
        if (byte == 0xF0) low_ = 0x90;   // overlong
        if (byte == 0xF4) high_ = 0x8F;  // above U+10FFFF
      } else {
        broken_ = true;
      }
    } else {
      const auto byte = static_cast<unsigned char>(*p++);
      if (byte < low_ || byte > high_) {
        broken_ = true;
      } else {
        --needed_;
        low_ = 0x80;
        high_ = 0xBF;
      }
    }
  }
}

void AppendUtf8(uint32_t code_point, std::string* out) {
  auto put = [out](uint32_t byte) { out->push_back(static_cast<char>(byte)); };
  if (code_point < 0x80) {
    put(code_point);
  } else if (code_point < 0x800) {
    put(0xC0 | (code_point >> 6));
    put(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    put(0xE0 | (code_point >> 12));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  } else {
    put(0xF0 | (code_point >> 18));
    put(0x80 | ((code_point >> 12) & 0x3F));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  }
}

void TextDecoder::AddUnit(uint32_t unit, std::string* out) {
  if (high_ != 0) {
    if (IsLowSurrogate(unit)) {
      AppendUtf8(0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00), out);
      high_ = 0;
      return;
    }
    AppendUtf8(kReplacement, out);
    high_ = 0;
  }
  if (IsHighSurrogate(unit)) {
    high_ = unit;
  } else if (IsLowSurrogate(unit)) {
    AppendUtf8(kReplacement, out);
  } else {
    AppendUtf8(unit, out);
  }
}

void TextDecoder::Add(std::string_view bytes, std::string* out) {
  if (skipped_ < form_.mark) {
    const size_t skip = std::min(form_.mark - skipped_, bytes.size());
    skipped_ += skip;
    bytes.remove_prefix(skip);
  }
  switch (form_.decoding) {
    case TextForm::Decoding::kNone:
      out->append(bytes);
      return;
    case TextForm::Decoding::kCodePage:
      for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
          out->push_back(c);
        } else {
          AppendUtf8(form_.code_page->upper_half[byte - 0x80], out);
        }
      }
      return;
    case TextForm::Decoding::kUtf16Le:
    case TextForm::Decoding::kUtf16Be: {
      const bool little = form_.decoding == TextForm::Decoding::kUtf16Le;
      for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (first_byte_ < 0) {
          first_byte_ = byte;
          continue;
        }
        const uint32_t first = static_cast<uint32_t>(first_byte_);
        AddUnit(little ? (byte << 8 | first) : (first << 8 | byte), out);
        first_byte_ = -1;
      }
      return;
    }
  }
}

void TextDecoder::Finish(std::string* out) {
  if (high_ != 0) AppendUtf8(kReplacement, out);
  high_ = 0;
  first_byte_ = -1;
}

}  // namespace docbase
