// Damage to a binary work file, as the checks of the work-file readers
// inflict it between the phase that writes a file and the one that reads it
// back: bytes changed, the file cut short or grown, two records swapped.
// The file is changed in place (same inode), so a phase that holds it open
// sees the damage. Each damage is read from 4 bytes of a fuzz input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "base/test_support.h"

namespace docbase::fuzz {

struct FileDamage {
  enum Kind : uint8_t { kOverwrite, kTruncate, kSwapRecords, kAppend };
  Kind kind;
  uint16_t position;  // taken modulo the size that applies
  uint8_t value;

  // From `bytes[0..3]`.
  static FileDamage From(std::string_view bytes) {
    auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
    return FileDamage{static_cast<Kind>(byte(0) % 4),
                      static_cast<uint16_t>(byte(1) | byte(2) << 8), byte(3)};
  }
};

// The bytes of the file at `path`, or "<none>" when there is none.
inline std::string FileOrNone(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error) ? testing::ReadFile(path)
                                              : std::string("<none>");
}

// Applies `damage` to the file at `path` of records of `record_size` bytes;
// a missing or empty file is left alone. Whether the bytes changed is for
// the caller to tell (a byte may be overwritten with itself).
inline void Inflict(const FileDamage& damage, const std::filesystem::path& path,
                    size_t record_size) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return;
  std::string bytes = testing::ReadFile(path);
  if (bytes.empty()) return;
  switch (damage.kind) {
    case FileDamage::kOverwrite:
      bytes[damage.position % bytes.size()] = static_cast<char>(damage.value);
      break;
    case FileDamage::kTruncate:
      bytes.resize(damage.position % bytes.size());
      break;
    case FileDamage::kSwapRecords: {
      const size_t records = bytes.size() / record_size;
      if (records == 0) return;
      const size_t a = damage.position % records, b = damage.value % records;
      for (size_t i = 0; i < record_size; ++i) {
        std::swap(bytes[a * record_size + i], bytes[b * record_size + i]);
      }
      break;
    }
    case FileDamage::kAppend:
      bytes.append(damage.value % 7 + 1, static_cast<char>(damage.value));
      break;
  }
  testing::WriteFile(path, bytes);
}

}  // namespace docbase::fuzz
