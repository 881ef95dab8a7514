// The run's one pseudo-random generator (splitmix64, state 0 at start, never
// reseeded), so that the same input gives the same search phrases on every
// run.
#pragma once

#include <cstdint>

namespace docbase {

class SplitMix64 {
 public:
  uint64_t NextBits() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double NextUnit() {
    return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
  }

 private:
  uint64_t state_ = 0;
};

}  // namespace docbase
