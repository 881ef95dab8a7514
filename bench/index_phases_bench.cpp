// Benchmark driver for the indexing phases, run by
// bench/index_phases_bench.sh. Each mode works in FOLDER as the program
// directory and prints the wall time of each phase it runs:
//
//   index_phases_bench prepare FOLDER   FOLDER/txt_in -> the page set (the
//                                       preparation of a run, answering
//                                       every prompt); prints the input
//                                       file count
//   index_phases_bench index FOLDER INPUT_FILE_COUNT
//                                       word extraction .. the sort of
//                                       wrd_15.txt; prints the group count.
//                                       The work files stay in place, so
//                                       that they can be compared with
//                                       those of another build.
//   index_phases_bench groups FOLDER INPUT_FILE_COUNT
//                                       the page groups and word splits
//                                       alone, in a folder where `index`
//                                       has run (for profiling them)
//   index_phases_bench collect FOLDER GROUP_COUNT
//                                       the final collection and clean-up
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <sys/resource.h>
#include <string>

#include "driver/display_parameters.h"
#include "driver/run_state.h"
#include "driver/scripted_console.h"
#include "pages/page_set.h"
#include "pages/text_to_page.h"
#include "sort/file_sort.h"
#include "words/page_groups.h"
#include "words/word_extraction.h"
#include "words/word_tables.h"
#include "workarea/collection.h"
#include "workarea/folder_setup.h"
#include "workarea/work_area.h"

namespace {

using docbase::Status;
using Clock = std::chrono::steady_clock;

// CPU seconds of the process (user and system): steadier than the wall
// time on a machine that other work shares.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// The part of the CPU time spent in the kernel (file system work).
double SystemSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_stime.tv_sec) +
         usage.ru_stime.tv_usec * 1e-6;
}

class PhaseTimer {
 public:
  PhaseTimer() {
    std::printf("%-40s %8s %8s %8s\n", "phase", "wall s", "cpu s",
                "of it sys");
  }

  // Prints the time since the last mark under `name`.
  void Mark(const char* name) {
    Clock::time_point now = Clock::now();
    double cpu = CpuSeconds();
    double sys = SystemSeconds();
    double wall = std::chrono::duration<double>(now - last_).count();
    std::printf("%-40s %8.3f %8.3f %8.3f\n", name, wall, cpu - last_cpu_,
                sys - last_sys_);
    total_wall_ += wall;
    total_cpu_ += cpu - last_cpu_;
    last_ = now;
    last_cpu_ = cpu;
    last_sys_ = sys;
  }
  void Total() {
    std::printf("%-40s %8.3f %8.3f\n", "total", total_wall_, total_cpu_);
  }

 private:
  Clock::time_point last_ = Clock::now();
  double last_cpu_ = CpuSeconds();
  double last_sys_ = SystemSeconds();
  double total_wall_ = 0;
  double total_cpu_ = 0;
};

// The preparation of a run, as the driver makes it, without the screens.
Status Prepare(const docbase::WorkArea& area, docbase::RunState& state) {
  docbase::ScriptedConsole console("1\n1\n1\n1\n1\n");
  PhaseTimer timer;
  DOCBASE_RETURN_IF_ERROR(docbase::CheckInputPresence(area, console));
  DOCBASE_RETURN_IF_ERROR(docbase::SetUpFolders(area, state, console));
  DOCBASE_RETURN_IF_ERROR(docbase::ConvertTextsToPages(area, state, console));
  DOCBASE_RETURN_IF_ERROR(docbase::CleanStaleFiles(area));
  state.target_address = "www.example.org";
  DOCBASE_RETURN_IF_ERROR(docbase::SetUpOutputFolders(area, console));
  DOCBASE_RETURN_IF_ERROR(
      docbase::SetDisplayParameters(area, state, console));
  DOCBASE_RETURN_IF_ERROR(docbase::BuildPageSet(area, state));
  timer.Mark("preparation");
  std::printf("input_file_count %lld\n",
              static_cast<long long>(state.input_file_count));
  return Status::Ok();
}

Status RunIndexPhases(const docbase::WorkArea& area,
                      docbase::RunState& state) {
  docbase::ScriptedConsole console;
  PhaseTimer timer;
  DOCBASE_RETURN_IF_ERROR(docbase::ExtractWords(area));
  timer.Mark("word extraction (1%)");
  DOCBASE_RETURN_IF_ERROR(
      docbase::SortWordOccurrences(area, state, console));
  timer.Mark("wrd_01_01, first sort (10%)");
  DOCBASE_RETURN_IF_ERROR(
      docbase::NumberWordOccurrences(area, state, console));
  timer.Mark("wrd_03 .. wrd_08, two sorts (20%)");
  DOCBASE_RETURN_IF_ERROR(docbase::BuildPageGroups(area, state, console));
  timer.Mark("page groups (30%)");
  DOCBASE_RETURN_IF_ERROR(docbase::SplitWordsByGroup(area, state));
  timer.Mark("word splits (40%)");
  state.sort_input_name = "wrd_15.txt";
  state.sort_output_name = "wrd_16.txt";
  DOCBASE_RETURN_IF_ERROR(docbase::FileSort(area, state, console));
  timer.Mark("sort of wrd_15 (60%)");
  timer.Total();
  std::printf("group_count %lld\n", static_cast<long long>(state.group_count));
  return Status::Ok();
}

Status RunGroupPhases(const docbase::WorkArea& area,
                      docbase::RunState& state) {
  docbase::ScriptedConsole console;
  PhaseTimer timer;
  DOCBASE_RETURN_IF_ERROR(docbase::BuildPageGroups(area, state, console));
  timer.Mark("page groups (30%)");
  DOCBASE_RETURN_IF_ERROR(docbase::SplitWordsByGroup(area, state));
  timer.Mark("word splits (40%)");
  return Status::Ok();
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  if (!((mode == "prepare" && argc == 3) ||
        ((mode == "index" || mode == "groups" || mode == "collect") &&
         argc == 4))) {
    std::fprintf(stderr,
                 "usage: index_phases_bench prepare FOLDER\n"
                 "       index_phases_bench index FOLDER INPUT_FILE_COUNT\n"
                 "       index_phases_bench groups FOLDER INPUT_FILE_COUNT\n"
                 "       index_phases_bench collect FOLDER GROUP_COUNT\n");
    return 2;
  }
  docbase::WorkArea area(argv[2]);
  docbase::RunState state = docbase::RunStateFromBuildSettings("bench");
  Status status;
  if (mode == "prepare") {
    status = Prepare(area, state);
  } else if (mode == "index" || mode == "groups") {
    state.input_file_count = std::atoll(argv[3]);
    status = mode == "index" ? RunIndexPhases(area, state)
                             : RunGroupPhases(area, state);
  } else {
    state.group_count = std::atoll(argv[3]);
    PhaseTimer timer;
    status = docbase::CollectOutput(area, state);
    timer.Mark("collection and clean-up (90%)");
  }
  if (!status.ok()) {
    std::fprintf(stderr, "%s: %s\n", status.path().c_str(),
                 status.reason().c_str());
    return 1;
  }
  return 0;
}
