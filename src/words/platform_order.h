// The order of the platform sort ("sort in /o out"): whole lines compared
// byte by byte after lower-casing the ASCII letters. Some group tables are
// in that order while their source tables are in plain byte order; the two
// orders agree except among lines that share a leading key, so such a
// source can be streamed and only each run of lines with an equal key
// re-ordered (PlatformOrderedRuns).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
// them on. All lines of one run go to the same target. The lines of a run
// are kept end to end in one buffer, so a run costs no allocation per line.
class PlatformOrderedRuns {
 public:
  // Takes each line in its final order, with the target and the tag it was
  // added with.
  using Emit = std::function<Status(size_t target, std::string_view line,
                                    uint32_t tag)>;

  explicit PlatformOrderedRuns(Emit emit) : emit_(std::move(emit)) {}
  // Hands the lines to `router`, to the file of their target.
  explicit PlatformOrderedRuns(LineRouter* router);

  // `key` and `line` are copied as needed; `tag` travels with the line.
  Status Add(std::string_view key, size_t target, std::string_view line,
             uint32_t tag = 0);
  // Hands over the last run.
  Status Finish();

 private:
  struct Entry {
    size_t begin;
    size_t size;
    uint32_t tag;
  };
  std::string_view EntryLine(const Entry& entry) const {
    return std::string_view(bytes_).substr(entry.begin, entry.size);
  }

  Emit emit_;
  std::string key_;
  size_t target_ = 0;
  std::string bytes_;  // the lines of the current run, end to end
  std::vector<Entry> run_;
};

}  // namespace docbase
