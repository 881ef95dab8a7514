#include "html/page_lines.h"

namespace docbase {

Status PageLines::Open(const PageOrigin& origin) {
  count_ = 0;
  line_ = {};
  word_end_.reset();
  return reader_.Open(origin);
}

Status PageLines::Close() {
  Status read = reader_.status();
  reader_.Close();
  return read;
}

std::string_view PageLines::Bytes(uint64_t from, uint64_t to) const {
  if (from < 1) from = 1;
  if (to > line_.size()) to = line_.size();
  if (from > to) return {};
  return line_.substr(from - 1, to - from + 1);
}

std::string_view PageLines::TextBefore(uint64_t column) const {
  const uint64_t to = column > 0 ? column - 1 : 0;
  return Bytes(word_end_.value_or(1), to);
}

std::string_view PageLines::TakeRestAfterWord() {
  const std::string_view rest = Bytes(*word_end_, line_.size());
  word_end_.reset();
  return rest;
}

}  // namespace docbase
