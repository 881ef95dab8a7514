// The run files of the file sort: the input cut into runs of at most a given
// number of lines, each run ordered in memory and written to
// "file_s_" + N + ".txt" (N = 1, 2, ... without leading zeros), so that
// runs numbered in input order can be merged stably.
//
// Lines are ordered by unsigned byte value, a line before its longer
// continuations; equal lines keep their input order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"
#include "sort/run_file_writer.h"
#include "workarea/work_area.h"

namespace docbase {

// "file_s_" + number + ".txt".
std::string RunFileName(size_t number);

// Takes the lines one by one and writes a run file each time `run_lines`
// lines have come, and the last, shorter run at Finish. Holds one run in
// memory.
class RunWriter {
 public:
  RunWriter(const WorkArea& area, size_t run_lines)
      : area_(area), run_lines_(run_lines) {}

  Status Add(std::string_view line) {
    if (ends_.empty() && run_count_ == 0) first_line_.assign(line);
    bytes_.append(line);
    ends_.push_back(bytes_.size());
    return ends_.size() == run_lines_ ? WriteRun() : Status::Ok();
  }
  Status Finish() { return ends_.empty() ? Status::Ok() : WriteRun(); }

  size_t run_count() const { return run_count_; }
  // How many bytes every line so far begins with alike.
  size_t shared_length() const { return shared_; }

 private:
  // Orders the buffered lines, writes them as the next run and empties the
  // buffer.
  Status WriteRun();

  const WorkArea& area_;
  size_t run_lines_;
  size_t run_count_ = 0;
  std::string first_line_;  // the first line of all
  size_t shared_ = 0;
  // The lines of the run end to end, so a run costs no allocation per line
  // once the buffers have grown.
  std::string bytes_;
  std::vector<size_t> ends_;
  struct Entry {
    uint64_t key;
    uint32_t index;
  };
  std::vector<Entry> entries_;
  RunFileWriter writer_;
};

}  // namespace docbase
