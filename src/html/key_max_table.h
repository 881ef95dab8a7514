// KeyMaxTable keeps the highest number seen for each of a set of short byte
// strings (the word ids of one page), and is emptied in constant time so one
// table serves page after page. An open-addressing table of small slots with
// the keys side by side in one string: a lookup allocates nothing, and the
// slots of an ordinary page stay in the processor's caches (the table is
// cut back after a page with many more words than the next).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace docbase {

class KeyMaxTable {
 public:
  KeyMaxTable();

  // Forgets every key.
  void Clear();
  // Records `value` for `key`, keeping the higher of it and the number
  // already held.
  void Raise(std::string_view key, uint64_t value);
  // The number held for `key`; 0 when it is not in the table.
  uint64_t Get(std::string_view key) const;

 private:
  struct Slot {
    uint32_t generation = 0;  // live when equal to the table's generation
    uint32_t hash = 0;
    uint64_t value = 0;
    size_t key_begin = 0;  // the key is keys_[key_begin, key_begin + size)
    size_t key_size = 0;
  };

  static uint32_t Hash(std::string_view key);
  std::string_view KeyOf(const Slot& slot) const {
    return std::string_view(keys_).substr(slot.key_begin, slot.key_size);
  }
  // The slot of `key`, or the free slot where it would go.
  size_t Find(std::string_view key, uint32_t hash) const;
  // Doubles the table, keeping the live keys.
  void Grow();

  std::vector<Slot> slots_;  // size a power of two, at most half full
  std::string keys_;         // the live keys, one after another
  size_t live_ = 0;
  uint32_t generation_ = 1;
};

}  // namespace docbase
