// LineRouter spreads the lines of one pass over many output files (one per
// page or per page group) while holding at most one file open and a
// bounded amount of buffered text. Lines are buffered per target; when the
// buffers together pass the memory limit, every buffer is appended to its
// file and emptied. A target's file is created anew by its first write, so
// each file ends up holding exactly the lines routed to it, in the order
// they were added. Finish writes what is left and creates an empty file for
// every target that received no line.
//
// Precondition: the target names are distinct.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_writer.h"
#include "common/status.h"
#include "workarea/work_area.h"

namespace docbase {

class LineRouter {
 public:
  static constexpr size_t kDefaultMemoryLimit = size_t{8} << 20;

  LineRouter(const WorkArea& area, std::vector<std::string> target_names,
             size_t memory_limit = kDefaultMemoryLimit);

  // Adds `line` (without its end) to the file of `target`.
  Status Add(size_t target, std::string_view line);
  // Adds the line made of `pieces`, end to end, to the file of `target`.
  Status AddPieces(size_t target,
                   std::initializer_list<std::string_view> pieces);
  // Adds a quoted record to the file of `target`.
  Status AddRecord(size_t target,
                   std::initializer_list<std::string_view> fields);
  Status Finish();

 private:
  Status AfterAppend(size_t target, size_t bytes_before);
  Status FlushAll();

  struct Target {
    std::string name;
    std::string pending;  // lines not yet in the file, CR LF included
    bool created = false;
  };

  const WorkArea& area_;
  std::vector<Target> targets_;
  size_t memory_limit_;
  size_t pending_bytes_ = 0;
  LineWriter writer_;
};

}  // namespace docbase
