// QuotedFields reads the fields of one quoted record from left to right
// without collecting them: the pages read tables of millions of records and
// want a few fields of each, so a vector per record would cost more than the
// reading. The fields are exactly those SplitQuotedRecord gives (one outer
// quote trimmed at each end, cut at every `","`), and a field past the end
// of the record reads as empty, as FieldAt gives it.
//
// Also here: the number reader of the blank-padded counts in those records.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace docbase {

class QuotedFields {
 public:
  explicit QuotedFields(std::string_view line) {
    if (!line.empty() && line.front() == '"') line.remove_prefix(1);
    if (!line.empty() && line.back() == '"') line.remove_suffix(1);
    rest_ = line;
  }

  // The next field; empty once the record is used up.
  std::string_view Next() {
    // Past the end: an empty view at the end of the record (never null).
    if (done_) return rest_.substr(rest_.size());
    const char* begin = rest_.data();
    const char* end = begin + rest_.size();
    for (const char* q = FindQuote(begin, end); q != end;
         q = FindQuote(q + 1, end)) {
      if (end - q >= 3 && q[1] == ',' && q[2] == '"') {
        std::string_view field(begin, static_cast<size_t>(q - begin));
        rest_.remove_prefix(static_cast<size_t>(q + 3 - begin));
        return field;
      }
    }
    done_ = true;
    return rest_;
  }

  void Skip(int count) {
    for (int i = 0; i < count; ++i) Next();
  }

 private:
  // The first double quote in [p, end), or `end`. Fields are a few bytes
  // long, too short for a library search to pay: eight bytes are tested at
  // a time where the byte order allows it.
  static const char* FindQuote(const char* p, const char* end) {
    if constexpr (std::endian::native == std::endian::little) {
      constexpr uint64_t kOnes = 0x0101010101010101ull;
      constexpr uint64_t kQuotes = kOnes * '"';
      constexpr uint64_t kHighBits = kOnes * 0x80;
      while (end - p >= 8) {
        uint64_t chunk;
        std::memcpy(&chunk, p, 8);
        const uint64_t x = chunk ^ kQuotes;  // zero bytes where the quotes are
        // The lowest flagged byte is the first zero byte of x.
        const uint64_t found = (x - kOnes) & ~x & kHighBits;
        if (found != 0) return p + (std::countr_zero(found) >> 3);
        p += 8;
      }
    }
    while (p < end && *p != '"') ++p;
    return p;
  }

  std::string_view rest_;
  bool done_ = false;
};

// ParseCount as a number or 0: optional blanks around plain decimal digits,
// anything else (or a value past 64 bits) reading as 0.
inline uint64_t CountOrZero(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  const size_t first_digit = i;
  uint64_t value = 0;
  for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
    const uint64_t digit = static_cast<uint64_t>(text[i] - '0');
    if (value > (UINT64_MAX - digit) / 10) return 0;
    value = value * 10 + digit;
  }
  if (i == first_digit) return 0;
  while (i < n && text[i] == ' ') ++i;
  return i == n ? value : 0;
}

}  // namespace docbase
