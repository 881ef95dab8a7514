// The order of the platform sort ("sort in /o out"): whole lines compared
// byte by byte after lower-casing the ASCII letters. Some group tables are
// in that order while their source tables are in plain byte order; the two
// orders agree except among lines that share a leading key, so such a
// source can be streamed and only each run of lines with an equal key
// re-ordered (PlatformOrderedRuns).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"
#include "words/line_router.h"

namespace docbase {

// Whether `a` comes before `b` in the platform sort.
bool PlatformSortLess(std::string_view a, std::string_view b);

// Collects lines that arrive grouped by a key, puts each run of lines with
// an equal key into platform-sort order (stable, as the sort is) and hands
// them to the router. All lines of one run go to the same target.
class PlatformOrderedRuns {
 public:
  explicit PlatformOrderedRuns(LineRouter* router) : router_(router) {}

  Status Add(std::string_view key, size_t target, std::string line);
  // Hands over the last run.
  Status Finish();

 private:
  LineRouter* router_;
  std::string key_;
  size_t target_ = 0;
  std::vector<std::string> run_;
};

}  // namespace docbase
