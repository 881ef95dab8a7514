// RecordChecksum is the check value of a stretch of binary work-file
// records: the writer of a work file keeps one per stretch in memory (a
// page's records, a sorted run), the reader recomputes it over what it read
// and treats a difference as a damaged file. It depends on every byte and
// on the order of the records, not on how they are split into blocks: each
// record is taken whole, as its 8-byte words (the last one padded with
// zeros). A change of any one word always changes the value (every step is
// a bijection of the state); several changes collide with a chance of
// about 2^-64. It guards against damage, not against forgery.
//
// Precondition: T is trivially copyable and holds no padding bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace docbase {

class RecordChecksum {
 public:
  template <typename T>
  void Add(const T* records, size_t count) {
    static_assert(std::is_trivially_copyable_v<T>);
    static_assert(std::has_unique_object_representations_v<T>);
    const char* bytes = reinterpret_cast<const char*>(records);
    for (size_t i = 0; i < count; ++i, bytes += sizeof(T)) {
      AddBytes(bytes, sizeof(T));
    }
  }
  template <typename T>
  void Add(const T& record) {
    Add(&record, 1);
  }

  uint64_t value() const { return state_; }

 private:
  void AddBytes(const char* bytes, size_t size) {
    size_t at = 0;
    for (; at + 8 <= size; at += 8) {
      uint64_t word;
      std::memcpy(&word, bytes + at, 8);
      Mix(word);
    }
    if (at < size) {
      uint64_t word = 0;
      std::memcpy(&word, bytes + at, size - at);
      Mix(word);
    }
  }
  void Mix(uint64_t word) {
    state_ = (state_ + word) * 0x9E3779B97F4A7C15ull;
    state_ ^= state_ >> 29;
  }

  uint64_t state_ = 0x243F6A8885A308D3ull;
};

}  // namespace docbase
