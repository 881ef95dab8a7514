#include "words/vocabulary.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "base/text.h"

namespace docbase {
namespace {

constexpr size_t kInitialSlots = 1 << 16;

uint64_t HashText(std::string_view text) {
  return std::hash<std::string_view>()(text);
}

// Whether `lower` is the lower-casing of `spelling`.
bool LowersTo(std::string_view spelling, std::string_view lower) {
  if (spelling.size() != lower.size()) return false;
  for (size_t i = 0; i < spelling.size(); ++i) {
    if (ToLowerAscii(spelling[i]) != lower[i]) return false;
  }
  return true;
}

// A slot table of `size` (a power of two) holding entries 0 .. count - 1.
template <typename Hash>
std::vector<uint32_t> Regrown(size_t size, size_t count, Hash hash) {
  std::vector<uint32_t> slots(size, 0);
  const size_t mask = size - 1;
  for (uint32_t index = 0; index < count; ++index) {
    size_t at = hash(index) & mask;
    while (slots[at] != 0) at = (at + 1) & mask;
    slots[at] = index + 1;
  }
  return slots;
}

}  // namespace

Vocabulary::Vocabulary()
    : spelling_slots_(kInitialSlots, 0), word_slots_(kInitialSlots, 0) {}

// Linear probing from the hash; `equal(index)` tells whether an entry is the
// one looked for. Returns the slot holding it, or the empty slot for it.
template <typename Equal>
uint32_t* Vocabulary::FindSlot(std::vector<uint32_t>& slots, uint64_t hash,
                               Equal equal) {
  const size_t mask = slots.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    uint32_t entry = slots[at];
    if (entry == 0 || equal(entry - 1)) return &slots[at];
  }
}

uint64_t Vocabulary::Hash(std::string_view spelling) {
  return HashText(spelling);
}

Status Vocabulary::Intern(std::string_view spelling, uint64_t hash,
                          uint32_t* number) {
  const uint32_t short_hash = static_cast<uint32_t>(hash >> 32);
  uint32_t* slot = FindSlot(spelling_slots_, hash, [&](uint32_t index) {
    return spelling_hashes_[index] == short_hash &&
           this->spelling(index) == spelling;
  });
  if (*slot != 0) {
    *number = *slot - 1;
    return Status::Ok();
  }
  if (spelling_count() >= UINT32_MAX - 1) {
    return Status::IoError("(word table)", "too many distinct words");
  }
  const uint32_t index = static_cast<uint32_t>(spelling_count());
  *slot = index + 1;
  spellings_.push_back(SpellingEntry{
      Store(spelling), static_cast<uint32_t>(spelling.size()), kNoWord});
  spelling_hashes_.push_back(short_hash);
  // The entry is in before its word is looked for: a word table that grows
  // on the way rehashes the new word's text too.
  spellings_.back().word = WordOfNewSpelling(spelling, index);
  *number = index;
  if (spelling_count() * 2 > spelling_slots_.size()) GrowSpellings();
  return Status::Ok();
}

uint32_t Vocabulary::WordOfNewSpelling(std::string_view spelling,
                                       uint32_t spelling_number) {
  lower_.assign(spelling);
  LowerAsciiInPlace(&lower_);
  if (Contains(lower_, "&nbsp;")) return kNoWord;
  const uint64_t hash = HashText(lower_);
  const uint32_t short_hash = static_cast<uint32_t>(hash >> 32);
  uint32_t* slot = FindSlot(word_slots_, hash, [&](uint32_t index) {
    return word_hashes_[index] == short_hash &&
           LowersTo(this->spelling(word_first_spelling_[index]), lower_);
  });
  if (*slot != 0) return *slot - 1;
  const uint32_t index = static_cast<uint32_t>(word_count());
  *slot = index + 1;
  word_first_spelling_.push_back(spelling_number);
  word_hashes_.push_back(short_hash);
  if (word_count() * 2 > word_slots_.size()) GrowWords();
  return index;
}

const char* Vocabulary::Store(std::string_view text) {
  constexpr size_t kBlockBytes = 1 << 20;
  if (text.size() > block_room_) {
    // A text longer than a block gets a block of its own.
    const size_t size = std::max(kBlockBytes, text.size());
    text_blocks_.emplace_back(new char[size]);
    block_end_ = text_blocks_.back().get();
    block_room_ = size;
  }
  char* stored = block_end_;
  if (!text.empty()) std::memcpy(stored, text.data(), text.size());
  block_end_ += text.size();
  block_room_ -= text.size();
  return stored;
}

void Vocabulary::Freeze() {
  std::vector<uint32_t>().swap(spelling_slots_);
  std::deque<uint32_t>().swap(spelling_hashes_);
  std::vector<uint32_t>().swap(word_slots_);
  std::deque<uint32_t>().swap(word_hashes_);
  std::string().swap(lower_);
}

std::string Vocabulary::word(uint32_t word) const {
  return ToLowerAscii(spelling(word_first_spelling_[word]));
}

void Vocabulary::GrowSpellings() {
  spelling_slots_ =
      Regrown(spelling_slots_.size() * 2, spelling_count(),
              [&](uint32_t index) { return HashText(spelling(index)); });
}

void Vocabulary::GrowWords() {
  word_slots_ = Regrown(word_slots_.size() * 2, word_count(),
                        [&](uint32_t index) { return HashText(word(index)); });
}

}  // namespace docbase
