// The file sort: orders the lines of state.sort_input_name into
// state.sort_output_name by unsigned byte value (stable; a line before its
// longer continuations). The input is cut into sorted run files of 2000
// lines ("file_s_1.txt", ...), and the runs are merged level by level, at
// most 50 at a time: each merge pass turns up to 50 consecutive runs into
// one, so every line is rewritten about log50(runs) times while at most
// 2000 lines are in memory and at most 50 runs are open. Every pass checks
// the order of what it writes as it writes it; an inner pass writes its
// merge straight into the next run file, and the last one writes
// "sort_output.txt" and gives it the output name as well (a hard link, or
// a copy). A missing or empty input gives an empty output.
//
// The run files stay behind until the next call or the final clean-up, as
// they are. The next call writes its run files over them in place (see
// RunFileWriter: a sort's runs are about the size of the last sort's, and
// rewriting storage in place is cheaper than allocating and freeing it),
// and deletes the ones it does not rewrite. "sort_output.txt" stays too.
//
// Ways out: an empty sort_input_name ends the run silently; an order
// failure prints "sort error"; an output that cannot get a file handle
// prints the diagnostics block. All three return Status::RunEnded().
//
// Precondition: the caller has set state.sort_input_name and
// state.sort_output_name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"
#include "driver/console.h"
#include "driver/run_state.h"
#include "sort/run_files.h"
#include "workarea/work_area.h"

namespace docbase {

Status FileSort(const WorkArea& area, RunState& state, Console& console);

// The sizes FileSort works with; tests shrink them to see the merge plan.
struct FileSortLimits {
  size_t run_lines = 2000;  // lines per run file
  size_t max_merge = 50;    // runs merged by one pass; at least 2
};

// What a sort did.
struct FileSortReport {
  size_t runs = 0;                   // run files made from the input
  std::vector<size_t> pass_widths;   // runs merged by each pass, in order
  std::vector<uint64_t> pass_lines;  // lines written by each pass
};

Status FileSortWithLimits(const WorkArea& area, const RunState& state,
                          Console& console, const FileSortLimits& limits,
                          FileSortReport* report);

// The file sort with its input lines handed over one by one, for a caller
// that writes the input file itself and would otherwise read it straight
// back: Start, Add every line the input file gets (without its line end,
// in file order), Finish. The result is FileSort's, run files included.
class FileSorter {
 public:
  // `state` gives the input and output names (set before Start) and must
  // outlive the sorter.
  FileSorter(const WorkArea& area, const RunState& state, Console& console,
             const FileSortLimits& limits = FileSortLimits());

  // Notes the run files of earlier calls; the same ways out as FileSort
  // for an empty input name.
  Status Start();
  Status Add(std::string_view line) { return runs_.Add(line); }
  // Merges the runs into the output file.
  Status Finish(FileSortReport* report = nullptr);

 private:
  const WorkArea& area_;
  const RunState& state_;
  Console& console_;
  FileSortLimits limits_;
  std::vector<std::string> earlier_runs_;
  RunWriter runs_;
};

}  // namespace docbase
