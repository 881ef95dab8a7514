// ShortKeyMap maps short texts, such as word ids ("id" and 8 to 10
// digits), to numbers. The page writers look one up for every occurrence
// they write and start afresh on every page, so the table is made for
// that: open addressing over the key's bytes packed into two words (no
// string is hashed or allocated for a look-up), and a clear that costs
// nothing however large the table has grown (each slot carries the
// generation that filled it). Keys longer than 15 bytes, which the pages
// never use, are kept in an ordinary map.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace docbase {

class ShortKeyMap {
 public:
  // The value of `key`, set to `value` first when the key is new (then
  // `second` is true). The pointer is valid until the next TryEmplace.
  std::pair<uint64_t*, bool> TryEmplace(std::string_view key, uint64_t value) {
    if (key.size() > kPacked) {
      auto [at, added] = long_keys_.try_emplace(std::string(key), value);
      return {&at->second, added};
    }
    if (2 * (size_ + 1) > slots_.size()) Grow();
    const Packed packed = Pack(key);
    Slot* slot = &slots_[SlotOf(packed)];
    if (slot->generation == generation_) return {&slot->value, false};
    *slot = Slot{packed, value, generation_};
    ++size_;
    return {&slot->value, true};
  }

  // The value of `key`, or null.
  const uint64_t* Find(std::string_view key) const {
    if (key.size() > kPacked) {
      auto at = long_keys_.find(std::string(key));
      return at == long_keys_.end() ? nullptr : &at->second;
    }
    if (slots_.empty()) return nullptr;
    const Slot* slot = &slots_[SlotOf(Pack(key))];
    return slot->generation == generation_ ? &slot->value : nullptr;
  }

  void Clear() {
    long_keys_.clear();
    size_ = 0;
    if (++generation_ == 0) {  // after 2^32 clears: every slot made empty
      for (Slot& slot : slots_) slot.generation = 0;
      generation_ = 1;
    }
  }

 private:
  static constexpr size_t kPacked = 15;  // the longest key packed
  struct Packed {
    uint64_t low = 0;
    uint64_t high = 0;
    bool operator==(const Packed&) const = default;
  };
  struct Slot {
    Packed key;
    uint64_t value = 0;
    uint32_t generation = 0;  // filled in this generation; else empty
  };

  static Packed Pack(std::string_view key) {
    // The bytes, then the length in the last byte, which tells "ab" from
    // "ab\0".
    char bytes[kPacked + 1] = {};
    if (!key.empty()) std::memcpy(bytes, key.data(), key.size());
    bytes[kPacked] = static_cast<char>(key.size());
    Packed packed;
    std::memcpy(&packed.low, bytes, 8);
    std::memcpy(&packed.high, bytes + 8, 8);
    return packed;
  }
  // The slot holding `key`, or the empty slot where it would go.
  size_t SlotOf(const Packed& key) const {
    const uint64_t mixed =
        (key.low ^ (key.high * 0x9E3779B97F4A7C15ull)) * 0xC2B2AE3D27D4EB4Full;
    const size_t mask = slots_.size() - 1;
    size_t at = static_cast<size_t>(mixed >> 32) & mask;
    while (slots_[at].generation == generation_ && !(slots_[at].key == key)) {
      at = (at + 1) & mask;
    }
    return at;
  }
  void Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : 2 * old.size(), Slot{});
    for (const Slot& slot : old) {
      if (slot.generation == generation_) slots_[SlotOf(slot.key)] = slot;
    }
  }

  std::vector<Slot> slots_;
  size_t size_ = 0;
  uint32_t generation_ = 1;
  std::unordered_map<std::string, uint64_t> long_keys_;
};

}  // namespace docbase
