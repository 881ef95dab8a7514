// KeyMaxTable keeps the highest number seen for each of a set of short byte
// strings (the word ids of one page), and is emptied in constant time so one
// table serves page after page. An open-addressing table with the keys held
// in its slots: a lookup allocates nothing, and slot keys keep their memory
// from one page to the next.
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
    uint64_t hash = 0;
    uint64_t value = 0;
    std::string key;
  };

  static uint64_t Hash(std::string_view key);
  // The slot of `key`, or the free slot where it would go.
  size_t Find(std::string_view key, uint64_t hash) const;
  void Grow();

  std::vector<Slot> slots_;  // size a power of two, at most half full
  size_t live_ = 0;
  uint32_t generation_ = 1;
};

}  // namespace docbase
