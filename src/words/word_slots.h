// WordSlots numbers the word ids met in a table, 0, 1, 2 ... in order of
// first sight ("slots"), and finds the slot of an id again. Lookups come
// once per record of tables with millions of records, so the usual ids,
// "id" followed by 8 digits, are kept by their number in a flat table that
// stays in the processor's caches; any other id text goes to a hash map.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "words/text_hash.h"

namespace docbase {

class WordSlots {
 public:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  // Gives `id` the next slot unless it has one; returns its slot.
  size_t Add(std::string_view id);
  // The slot of `id`, or kNone.
  size_t Find(std::string_view id) const;
  size_t size() const { return ids_.size(); }
  // A number for `id` that no other id has, found without a table for the
  // usual ids (their number); kNoKey for an unusual id without a slot.
  static constexpr uint32_t kNoKey = UINT32_MAX;
  uint32_t Key(std::string_view id) const;
  const std::string& id(size_t slot) const { return ids_[slot]; }

 private:
  static constexpr uint64_t kEmpty = UINT64_MAX;

  // The number of an id "id" + 8 digits, or -1 for any other text.
  static int64_t IdNumber(std::string_view id);
  // The position in table_ where `number` is or would go.
  size_t Probe(uint64_t number) const;
  void Grow();

  // Entries (number << 32 | slot), kEmpty when free; the size is a power
  // of two, at most half full.
  std::vector<uint64_t> table_ = std::vector<uint64_t>(1024, kEmpty);
  size_t numbered_ = 0;  // entries in table_
  std::unordered_map<std::string, size_t, TextHash, std::equal_to<>> others_;
  std::vector<std::string> ids_;
};

}  // namespace docbase
