// Vocabulary keeps the distinct words of a run: each spelling as found in
// the pages, and each lower-cased word (the word that gets a word id), both
// numbered 0, 1, 2 ... in order of first appearance, with the number of
// occurrences of every lower-cased word. It is the one table that grows
// with the distinct words rather than with the occurrences, so it is held
// compactly: the spellings in text blocks, the lower-cased forms only as the
// lower-casing of their first spelling, hash tables of 32-bit slots.
//
// A spelling whose lower-cased form holds "&nbsp;" is kept (so it is looked
// up once) but belongs to no word: word_of() gives kNoWord, and such an
// occurrence is not indexed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/prefetch.h"
#include "base/status.h"

namespace docbase {

class Vocabulary {
 public:
  static constexpr uint32_t kNoWord = UINT32_MAX;

  // The number of `spelling`, added when it is new. Fails only when a run
  // holds more distinct spellings than 32-bit numbers can count.
  Status Intern(std::string_view spelling, uint32_t* number) {
    return Intern(spelling, Hash(spelling), number);
  }
  // The same with the spelling's Hash given: a caller with several
  // spellings at hand hashes them all and fetches their slots first
  // (PrefetchSlot), so that the look-ups do not wait on memory one by one.
  Status Intern(std::string_view spelling, uint64_t hash, uint32_t* number);
  static uint64_t Hash(std::string_view spelling);
  void PrefetchSlot(uint64_t hash) const {
    Prefetch(&spelling_slots_[hash & (spelling_slots_.size() - 1)]);
  }

  size_t spelling_count() const { return spellings_.size(); }
  std::string_view spelling(uint32_t number) const {
    const SpellingEntry& entry = spellings_[number];
    return std::string_view(entry.text, entry.length);
  }
  // The lower-cased word of a spelling, or kNoWord.
  uint32_t word_of(uint32_t spelling) const {
    return spellings_[spelling].word;
  }

  // Asks the processor to fetch the entry of a spelling, or its text, ahead
  // of use: the look-ups of a large vocabulary mostly miss the caches.
  void PrefetchEntry(uint32_t spelling) const {
    Prefetch(&spellings_[spelling]);
  }
  void PrefetchText(uint32_t spelling) const {
    if (const char* text = spellings_[spelling].text) Prefetch(text);
  }

  size_t word_count() const { return word_first_spelling_.size(); }
  // The first spelling met of word `word`; the word is its lower-casing.
  uint32_t first_spelling(uint32_t word) const {
    return word_first_spelling_[word];
  }
  // The lower-cased word itself.
  std::string word(uint32_t word) const;

  Vocabulary();

  // Releases the lookup tables once every word is in: the texts and numbers
  // stay, Intern may no longer be called.
  void Freeze();

 private:
  template <typename Equal>
  uint32_t* FindSlot(std::vector<uint32_t>& slots, uint64_t hash, Equal equal);
  void GrowSpellings();
  void GrowWords();
  uint32_t WordOfNewSpelling(std::string_view spelling,
                             uint32_t spelling_number);

  // Keeps a copy of `text` in the blocks; the copy never moves.
  const char* Store(std::string_view text);

  // The tables that grow with the distinct words are deques and text blocks
  // rather than vectors and one string: they grow without copying what they
  // hold and with little room to spare, so the peak of memory is what they
  // hold, not twice or three times it.
  std::vector<std::unique_ptr<char[]>> text_blocks_;
  size_t block_room_ = 0;  // bytes left in the last block
  char* block_end_ = nullptr;

  // What the output pages look up for every occurrence, in one place.
  struct SpellingEntry {
    const char* text;
    uint32_t length;
    uint32_t word;
  };
  std::deque<SpellingEntry> spellings_;
  std::deque<uint32_t> spelling_hashes_;  // the upper half of the hash
  std::vector<uint32_t> spelling_slots_;  // spelling + 1, or 0 for empty

  std::deque<uint32_t> word_first_spelling_;
  std::deque<uint32_t> word_hashes_;
  std::vector<uint32_t> word_slots_;  // word + 1, or 0 for empty
  std::string lower_;                 // scratch
};

}  // namespace docbase
