#include "words/word_slots.h"

namespace docbase {

int64_t WordSlots::IdNumber(std::string_view id) {
  if (id.size() != 10 || id[0] != 'i' || id[1] != 'd') return -1;
  int64_t number = 0;
  for (size_t i = 2; i < 10; ++i) {
    if (id[i] < '0' || id[i] > '9') return -1;
    number = number * 10 + (id[i] - '0');
  }
  return number;
}

size_t WordSlots::Probe(uint64_t number) const {
  size_t mask = table_.size() - 1;
  size_t at = static_cast<size_t>((number * 0x9E3779B97F4A7C15ULL) >> 20) & mask;
  while (table_[at] != kEmpty && (table_[at] >> 32) != number) {
    at = (at + 1) & mask;
  }
  return at;
}

void WordSlots::Grow() {
  std::vector<uint64_t> old(table_.size() * 2, kEmpty);
  old.swap(table_);
  for (uint64_t entry : old) {
    if (entry != kEmpty) table_[Probe(entry >> 32)] = entry;
  }
}

size_t WordSlots::Add(std::string_view id) {
  size_t slot = ids_.size();
  int64_t number = IdNumber(id);
  if (number < 0) {
    auto found = others_.find(id);
    if (found != others_.end()) return found->second;
    others_.emplace(std::string(id), slot);
  } else {
    size_t at = Probe(static_cast<uint64_t>(number));
    if (table_[at] != kEmpty) return static_cast<size_t>(table_[at] & 0xFFFFFFFFu);
    table_[at] = static_cast<uint64_t>(number) << 32 | slot;
    if (++numbered_ * 2 > table_.size()) Grow();
  }
  ids_.emplace_back(id);
  return slot;
}

uint32_t WordSlots::Key(std::string_view id) const {
  int64_t number = IdNumber(id);
  if (number >= 0) return static_cast<uint32_t>(number);  // below 10^8
  // Other ids by their slot, above every number of 8 digits.
  auto found = others_.find(id);
  if (found == others_.end()) return kNoKey;
  return static_cast<uint32_t>(found->second) | 0x80000000u;
}

size_t WordSlots::Find(std::string_view id) const {
  int64_t number = IdNumber(id);
  if (number < 0) {
    auto found = others_.find(id);
    return found == others_.end() ? kNone : found->second;
  }
  uint64_t entry = table_[Probe(static_cast<uint64_t>(number))];
  return entry == kEmpty ? kNone : static_cast<size_t>(entry & 0xFFFFFFFFu);
}

}  // namespace docbase
