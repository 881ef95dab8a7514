// RunMerger merges sorted run files into one output file, stably: among
// equal lines the one from the run listed first comes first. It checks the
// order of what it writes as it goes, so the merged file needs no second
// reading.
//
// The readers are kept from one merge to the next, so their buffers are
// allocated once. Each reader has a modest buffer: a merge holds up to
// `max_runs` of them at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_reader.h"
#include "common/status.h"
#include "workarea/work_area.h"

namespace docbase {

class RunMerger {
 public:
  enum class Outcome {
    kMerged,        // the output holds every line, in order
    kOutOfOrder,    // some written line was less than the line before it
    kNoFileHandle,  // the output could not be opened: no descriptor left
  };
  struct Result {
    Outcome outcome = Outcome::kMerged;
    uint64_t lines = 0;  // lines written
  };

  explicit RunMerger(size_t max_runs);

  // Merges `runs` (names in the work area, at most max_runs, each a file of
  // ascending lines) into `output`, replacing its contents (written over
  // in place, see RunFileWriter). I/O failures are errors;
  // the result tells the rest. `shared`: how many bytes every line of the
  // runs begins with alike (0 when not known), which speeds up comparisons.
  Status Merge(const WorkArea& area, const std::vector<std::string>& runs,
               std::string_view output, Result* result, size_t shared = 0);

 private:
  std::vector<std::unique_ptr<LineReader>> readers_;
  std::vector<std::string_view> heads_;
  std::vector<uint64_t> keys_;  // PrefixKey of each head at `shared`
  std::vector<char> live_;
  std::string previous_;
};

}  // namespace docbase
