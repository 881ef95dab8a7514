#include "words/record_view.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "common/quoted_record.h"

namespace docbase {

RecordView::RecordView(std::string_view line, size_t needed,
                       std::string* scratch)
    : line_(line) {
  needed = std::min(needed, kMaxFields);
  if (Scan(needed)) return;
  std::vector<std::string_view> fields;
  SplitQuotedRecord(line, &fields);
  scratch->clear();
  for (size_t i = 0; i < needed; ++i) {
    scratch->append(i == 0 ? "\"" : ",\"");
    if (i < fields.size()) {
      for (char c : fields[i]) {
        if (c != '"') scratch->push_back(c);
      }
    }
    scratch->push_back('"');
  }
  line_ = *scratch;
  rebuilt_ = true;
  Scan(needed);
}

namespace {

// The bytes equal to '"' in the 8 bytes of `word`: bit 7 of each such byte
// set, every other bit clear (exact, no false positives from carries).
inline uint64_t QuoteBytes(uint64_t word) {
  constexpr uint64_t kQuotes = 0x2222222222222222ULL;
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  uint64_t zero_if_quote = word ^ kQuotes;
  uint64_t high = ((zero_if_quote & kLow7) + kLow7) | zero_if_quote;
  return ~(high | kLow7);
}

}  // namespace

bool RecordView::Scan(size_t needed) {
  const char* base = line_.data();
  size_t size = line_.size();
  if (needed == 0) return true;
  if (size == 0 || base[0] != '"') return false;
  // Quotes are found eight bytes at a time; the quotes of the fields come
  // in pairs, opening then closing.
  size_t found = 0;  // quotes found so far
  size_t limit = 2 * needed;
  size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    uint64_t word;
    std::memcpy(&word, base + at, 8);
    if constexpr (std::endian::native == std::endian::big) {
      word = __builtin_bswap64(word);
    }
    for (uint64_t quotes = QuoteBytes(word); quotes != 0;
         quotes &= quotes - 1) {
      size_t position = at + static_cast<size_t>(std::countr_zero(quotes)) / 8;
      (found % 2 == 0 ? open_ : close_)[found / 2] = position;
      if (++found == limit) return true;
    }
  }
  for (; at < size; ++at) {
    if (base[at] != '"') continue;
    (found % 2 == 0 ? open_ : close_)[found / 2] = at;
    if (++found == limit) return true;
  }
  return false;
}

}  // namespace docbase
