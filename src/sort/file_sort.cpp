#include "sort/file_sort.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "common/line_reader.h"
#include "common/text.h"
#include "sort/run_files.h"
#include "sort/run_merge.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

constexpr std::string_view kMergeOutput = "sort_output.txt";

// The block shown when the merge output cannot get a file handle.
void ShowNoHandleDiagnostics(const RunState& state, size_t runs,
                             Console& console) {
  console.Line("---------- sort error ----------");
  console.Line("number of files > file.max");
  console.Line("file.max = " + SignedDecimal(static_cast<int64_t>(runs)));
  console.Line("sort.input$ = " + state.sort_input_name);
  console.Line("sort.output$ = " + state.sort_output_name);
  console.Line("file.name.02$ = " + std::string(kMergeOutput));
  console.Line("file.num.02 = " + SignedDecimal(0));
}

std::vector<std::string> RunNames(const std::vector<size_t>& numbers) {
  std::vector<std::string> names;
  names.reserve(numbers.size());
  for (size_t number : numbers) names.push_back(RunFileName(number));
  return names;
}

// One merge pass of `runs` into `output`, with its order check.
Status MergePass(const WorkArea& area, const RunState& state, Console& console,
                 const std::vector<size_t>& runs, std::string_view output,
                 size_t shared, RunMerger* merger, FileSortReport* report) {
  RunMerger::Result merged;
  DOCBASE_RETURN_IF_ERROR(
      merger->Merge(area, RunNames(runs), output, &merged, shared));
  report->pass_widths.push_back(runs.size());
  report->pass_lines.push_back(merged.lines);
  switch (merged.outcome) {
    case RunMerger::Outcome::kMerged:
      return Status::Ok();
    case RunMerger::Outcome::kOutOfOrder:
      console.Line("sort error");
      return Status::RunEnded();
    case RunMerger::Outcome::kNoFileHandle:
      ShowNoHandleDiagnostics(state, runs.size(), console);
      return Status::RunEnded();
  }
  return Status::Ok();
}

// Deletes the run files of earlier calls that this call, with runs
// 1 .. last_run, did not rewrite.
void RemoveRunsNotMadeBy(const WorkArea& area,
                         const std::vector<std::string>& earlier_runs,
                         size_t last_run) {
  for (const std::string& name : earlier_runs) {
    uint64_t run = 0;
    bool rewritten = name.size() > 11 &&
                     ParseCount(name.substr(7, name.size() - 11), &run) &&
                     run >= 1 && run <= last_run && name == RunFileName(run);
    if (!rewritten) DeleteFile(area, name);
  }
}

// Gives the merge output the caller's output name: a hard link where the
// file system allows it, a copy otherwise.
Status PublishOutput(const WorkArea& area, std::string_view output) {
  if (output.empty() || output == kMergeOutput) return Status::Ok();
  DeleteFile(area, output);
  std::error_code error;
  std::filesystem::create_hard_link(area.Path(kMergeOutput), area.Path(output),
                                    error);
  if (!error) return Status::Ok();
  return CopyFile(area, kMergeOutput, output);
}

}  // namespace

FileSorter::FileSorter(const WorkArea& area, const RunState& state,
                       Console& console, const FileSortLimits& limits)
    : area_(area),
      state_(state),
      console_(console),
      limits_(limits),
      runs_(area, std::max<size_t>(1, limits.run_lines)) {}

Status FileSorter::Start() {
  if (state_.sort_input_name.empty()) return Status::RunEnded();
  earlier_runs_ = MatchingNames(area_, "file_s_*.txt");
  return Status::Ok();
}

Status FileSorter::Finish(FileSortReport* report) {
  FileSortReport ignored;
  if (report == nullptr) report = &ignored;
  *report = FileSortReport();
  DOCBASE_RETURN_IF_ERROR(runs_.Finish());
  size_t run_count = runs_.run_count();
  size_t shared = runs_.shared_length();
  report->runs = run_count;

  // Runs in input order; each level merges consecutive groups, so equal
  // lines keep their input order.
  const size_t width = std::max<size_t>(2, limits_.max_merge);
  std::vector<size_t> level;
  for (size_t n = 1; n <= run_count; ++n) level.push_back(n);
  size_t next_run = run_count + 1;
  RunMerger merger(width);
  while (level.size() > width) {
    std::vector<size_t> next_level;
    for (size_t first = 0; first < level.size(); first += width) {
      size_t last = std::min(first + width, level.size());
      if (last - first == 1) {  // a lone last run waits for the next level
        next_level.push_back(level[first]);
        continue;
      }
      // An inner pass writes its merge straight into the next run file.
      std::vector<size_t> group(level.begin() + first, level.begin() + last);
      DOCBASE_RETURN_IF_ERROR(MergePass(area_, state_, console_, group,
                                        RunFileName(next_run), shared,
                                        &merger, report));
      next_level.push_back(next_run++);
    }
    level = std::move(next_level);
  }
  // The previous call left its merge output linked to its result; writing
  // into that file would change the result too.
  DeleteFile(area_, kMergeOutput);
  DOCBASE_RETURN_IF_ERROR(MergePass(area_, state_, console_, level,
                                    kMergeOutput, shared, &merger, report));
  RemoveRunsNotMadeBy(area_, earlier_runs_, next_run - 1);
  return PublishOutput(area_, state_.sort_output_name);
}

Status FileSortWithLimits(const WorkArea& area, const RunState& state,
                          Console& console, const FileSortLimits& limits,
                          FileSortReport* report) {
  *report = FileSortReport();
  FileSorter sorter(area, state, console, limits);
  DOCBASE_RETURN_IF_ERROR(sorter.Start());
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(state.sort_input_name)));
  std::string_view line;
  while (reader.Next(&line)) DOCBASE_RETURN_IF_ERROR(sorter.Add(line));
  DOCBASE_RETURN_IF_ERROR(reader.status());
  reader.Close();
  return sorter.Finish(report);
}

Status FileSort(const WorkArea& area, RunState& state, Console& console) {
  FileSortReport report;
  return FileSortWithLimits(area, state, console, FileSortLimits(), &report);
}

}  // namespace docbase
