#include "html/key_max_table.h"

#include <cstring>

#include "html/same_bytes.h"

namespace docbase {
namespace {
constexpr size_t kInitialSlots = 256;
}

KeyMaxTable::KeyMaxTable() : slots_(kInitialSlots) {}

void KeyMaxTable::Clear() {
  const size_t last_live = live_;
  live_ = 0;
  keys_.clear();
  if (slots_.size() > kInitialSlots && last_live * 16 < slots_.size()) {
    // A large page is over: a smaller table suits the pages after it.
    slots_.assign(slots_.size() / 4, Slot());
    generation_ = 1;
  } else if (++generation_ == 0) {
    // After four billion pages the stamps start again from a clean table.
    slots_.assign(slots_.size(), Slot());
    generation_ = 1;
  }
}

uint32_t KeyMaxTable::Hash(std::string_view key) {
  // Eight bytes at a time, each step mixed by a multiplication: keys are
  // word ids of about ten bytes. The last step reads the last eight bytes
  // (overlapping the step before), so every read is a whole word.
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  auto mix = [](uint64_t hash, uint64_t chunk) {
    hash = (hash ^ chunk) * kMultiplier;
    return hash ^ (hash >> 29);
  };
  uint64_t hash = key.size();
  const char* p = key.data();
  const size_t size = key.size();
  if (size >= 8) {
    uint64_t chunk;
    for (size_t at = 0; at + 8 < size; at += 8) {
      std::memcpy(&chunk, p + at, 8);
      hash = mix(hash, chunk);
    }
    std::memcpy(&chunk, p + size - 8, 8);
    hash = mix(hash, chunk);
  } else {
    uint64_t chunk = 0;
    for (size_t at = 0; at < size; ++at) {
      chunk = (chunk << 8) | static_cast<unsigned char>(p[at]);
    }
    hash = mix(hash, chunk);
  }
  hash *= kMultiplier;
  return static_cast<uint32_t>(hash >> 32);
}

size_t KeyMaxTable::Find(std::string_view key, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t index = hash & mask;
  for (;;) {
    const Slot& slot = slots_[index];
    if (slot.generation != generation_) return index;
    if (slot.hash == hash && SameBytes(KeyOf(slot), key)) return index;
    index = (index + 1) & mask;
  }
}

void KeyMaxTable::Raise(std::string_view key, uint64_t value) {
  const uint32_t hash = Hash(key);
  Slot& slot = slots_[Find(key, hash)];
  if (slot.generation == generation_) {
    if (value > slot.value) slot.value = value;
    return;
  }
  slot.generation = generation_;
  slot.hash = hash;
  slot.value = value;
  slot.key_begin = keys_.size();
  slot.key_size = key.size();
  keys_.append(key);
  if (++live_ * 2 > slots_.size()) Grow();
}

uint64_t KeyMaxTable::Get(std::string_view key) const {
  const Slot& slot = slots_[Find(key, Hash(key))];
  return slot.generation == generation_ ? slot.value : 0;
}

void KeyMaxTable::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  const uint32_t old_generation = generation_;
  generation_ = 1;
  for (const Slot& slot : old) {
    if (slot.generation != old_generation) continue;
    Slot& target = slots_[Find(KeyOf(slot), slot.hash)];
    target = slot;
    target.generation = generation_;
  }
}

}  // namespace docbase
