#include "html/key_max_table.h"

#include <cstring>
#include <utility>

namespace docbase {
namespace {
constexpr size_t kInitialSlots = 1024;
}

KeyMaxTable::KeyMaxTable() : slots_(kInitialSlots) {}

void KeyMaxTable::Clear() {
  live_ = 0;
  if (++generation_ == 0) {
    // After four billion pages the stamps start again from a clean table.
    for (Slot& slot : slots_) slot.generation = 0;
    generation_ = 1;
  }
}

uint64_t KeyMaxTable::Hash(std::string_view key) {
  // Eight bytes at a time, each step mixed by a multiplication: keys are
  // word ids of about ten bytes.
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  uint64_t hash = key.size();
  const char* p = key.data();
  size_t left = key.size();
  while (left > 0) {
    uint64_t chunk = 0;
    const size_t part = left < 8 ? left : 8;
    std::memcpy(&chunk, p, part);
    hash = (hash ^ chunk) * kMultiplier;
    hash ^= hash >> 29;
    p += part;
    left -= part;
  }
  hash *= kMultiplier;
  return hash ^ (hash >> 32);
}

size_t KeyMaxTable::Find(std::string_view key, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t index = static_cast<size_t>(hash) & mask;
  for (;;) {
    const Slot& slot = slots_[index];
    if (slot.generation != generation_) return index;
    if (slot.hash == hash && slot.key == key) return index;
    index = (index + 1) & mask;
  }
}

void KeyMaxTable::Raise(std::string_view key, uint64_t value) {
  const uint64_t hash = Hash(key);
  Slot& slot = slots_[Find(key, hash)];
  if (slot.generation == generation_) {
    if (value > slot.value) slot.value = value;
    return;
  }
  slot.generation = generation_;
  slot.hash = hash;
  slot.value = value;
  slot.key.assign(key);
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
  for (Slot& slot : old) {
    if (slot.generation != old_generation) continue;
    Slot& target = slots_[Find(slot.key, slot.hash)];
    target = std::move(slot);
    target.generation = generation_;
  }
}

}  // namespace docbase
