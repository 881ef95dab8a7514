#include "driver/run_driver.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text.h"
#include "driver/console_report.h"
#include "driver/display_parameters.h"
#include "driver/large_page_hint.h"
#include "driver/preparation_screens.h"
#include "driver/prompts.h"
#include "driver/shell_text.h"
#include "driver/start_up_screens.h"
#include "driver/target_site.h"
#include "driver/tool_checks.h"
#include "html/index_tables.h"
#include "html/output_pass.h"
#include "html/table_sources.h"
#include "io/record_file.h"
#include "pages/page_set.h"
#include "pages/text_to_page.h"
#include "platform/environment.h"
#include "platform/shell_terms.h"
#include "words/page_groups.h"
#include "words/word_extraction.h"
#include "words/word_ids.h"
#include "words/word_splits.h"
#include "workarea/collection.h"
#include "workarea/file_names.h"
#include "workarea/folder_setup.h"
#include "workarea/own_folders.h"

namespace docbase {
namespace {

RunStep StartUp(const WorkArea& area, RunState& state, Console& console) {
  console.Line("Active code page: 65001");
  console.Line(state.settings.program_name_setting);
  console.Line();
  console.Line(state.program_path);
  DOCBASE_RETURN_IF_STOPPED(SetTargetSite(state, console));
  DOCBASE_RETURN_IF_STOPPED(
      ShowStartUpScreens(state, console, area.DirectoryPath()));
  return CheckTools(area, console);
}

// A phase that may stop the run: its failure, the end of the run when it
// stopped, else the run goes on.
RunStep AfterPhase(Status status, bool stopped) {
  if (!status.ok()) return status;
  return stopped ? RunStep::Ended() : RunStep::GoOn();
}

// Hands back the numbered pages of the page set.
RunStep Prepare(const WorkArea& area, RunState& state, Console& console,
                RunReport& report, std::vector<NumberedPage>* pages) {
  bool input_present = false;
  DOCBASE_RETURN_IF_ERROR(CheckInputPresence(area, &input_present));
  if (!input_present) return ShowInputMissing(console);
  bool stopped = false;
  Status status = SetUpInputFolder(area, report, &stopped);
  DOCBASE_RETURN_IF_STOPPED(AfterPhase(status, stopped));
  console.Line();
  status = SetUpWorkFolders(area, report, &state.input_file_count, &stopped);
  DOCBASE_RETURN_IF_STOPPED(AfterPhase(status, stopped));

  ConvertedTexts converted;
  DOCBASE_RETURN_IF_ERROR(
      ConvertTextsToPages(area, state.input_file_count, &converted,
                          state.code_page));
  state.number_pad = converted.number_pad;
  // Named on standard error as soon as they are known, before any screen
  // waits for a key (a console window may close after the last one); the
  // console transcript stays as it is.
  for (const std::string& name : converted.kept_as_bytes) {
    const std::string warning =
        MessageLine(name + ": not UTF-8, kept as bytes (see --encoding)",
                    NativeShellTerms());
    std::fputs(warning.c_str(), stderr);
  }
  DOCBASE_RETURN_IF_STOPPED(ShowConvertedPages(
      converted, state.input_file_count, console, area.DirectoryPath()));
  DOCBASE_RETURN_IF_ERROR(FillInputPageSet(area));

  console.Line(state.program_path);
  DOCBASE_RETURN_IF_ERROR(CleanStaleFiles(area));
  AskTargetAddress(state, console);
  status = SetUpOutputFolders(area, report, &stopped);
  DOCBASE_RETURN_IF_STOPPED(AfterPhase(status, stopped));
  DOCBASE_RETURN_IF_ERROR(SetDisplayParameters(area, state, console));
  return BuildPageSet(area, state.settings, converted.made, &state.number_pad,
                      pages);
}

// The memory the word-and-page table may hold before it sorts in runs on
// disk: DOCBASE_SORT_MEMORY (bytes) when set to a number, else 16 MiB. The
// output is the same whatever the value; a small one makes even a small
// corpus go through the runs on disk, as the tests of a full disk need.
size_t WordPageBudget() {
  uint64_t bytes = 0;
  std::optional<std::string> text = EnvironmentValue("DOCBASE_SORT_MEMORY");
  if (text && ParseCount(*text, &bytes) && bytes > 0 && bytes <= SIZE_MAX) {
    return static_cast<size_t>(bytes);
  }
  return 16 << 20;
}

// Passes on the records of `source` and notes whether one has been read:
// the main index is written alongside the output pass, and its progress
// line is printed once the pass is done.
template <typename Record>
class FirstRecordNoted : public RecordSource<Record> {
 public:
  explicit FirstRecordNoted(RecordSource<Record>& source) : source_(source) {}

  bool Next(Record* record) override {
    if (!source_.Next(record)) return false;
    read_one_ = true;
    return true;
  }
  Status status() const override { return source_.status(); }
  bool read_one() const { return read_one_; }

 private:
  RecordSource<Record>& source_;
  bool read_one_ = false;
};

Status Index(const WorkArea& area, RunState& state, Console& console,
             RunReport& report, std::vector<NumberedPage> pages) {
  const Settings& settings = state.settings;
  console.Line();
  report.Progress("processed 1%");
  WordCensus census;
  DOCBASE_RETURN_IF_ERROR(
      ExtractWords(area, std::move(pages), settings.jobs, &census));
  report.Progress("processed 10%");
  const WordIds ids = NumberWords(census, settings.jobs);
  report.Progress("processed 20%");
  report.Progress("processed 30%");
  const PageGroups groups = BuildPageGroups(census, GroupSize(state, census));
  report.Progress("processed 40%");
  WordPageTable word_pages(WordPageRunFile(area), WordPageBudget(),
                           settings.jobs > 1);
  DOCBASE_RETURN_IF_ERROR(SplitWordsByGroup(area, &census, ids, &word_pages));
  report.Progress("processed 50%");
  RecordFile occurrences, page_words;
  DOCBASE_RETURN_IF_ERROR(occurrences.Open(
      OccurrenceFile(area), census.occurrences * sizeof(StoredOccurrence)));
  DOCBASE_RETURN_IF_ERROR(page_words.Open(
      PageWordFile(area), census.page_words * sizeof(StoredPageWord)));
  const IndexTables tables{census,     ids,         groups,
                           word_pages, occurrences, page_words};
  Layout& layout = *state.layout;
  layout.Prepare(tables);
  // The main index reads only the tables, so it is written on a thread of
  // the output pass rather than after it. What the console shows stays in
  // the run's order: its lines come once the pass is done, and a failure
  // of the pass is reported before anything of the main index.
  TableWordPages all_groups(tables);
  FirstRecordNoted<WordPageEntry> entries(all_groups);
  int64_t index_parts = 0;  // main-index pages besides index.htm
  Status main_index;
  const Task write_main_index = [&] {
    main_index = all_groups.Open();
    if (main_index.ok()) {
      main_index =
          layout.WriteMainIndex(area, settings, entries, &index_parts);
    }
    return Status::Ok();  // kept apart, so that the pass goes on
  };
  DOCBASE_RETURN_IF_ERROR(WriteGroupOutputs(area, settings, layout, tables,
                                            state.random, write_main_index));
  report.Progress("processed 60%");
  report.Progress("processed 70%");
  // "processed 80%" stands for the main index having read its first entry,
  // and shows only in a run of more than two occurrences.
  if (entries.read_one() && census.occurrences > 2) {
    report.Progress("processed 80%");
  }
  DOCBASE_RETURN_IF_ERROR(main_index);
  report.Progress("processed 90%");
  occurrences.Close();
  page_words.Close();
  std::vector<std::string> names;
  for (const PageTally& page : census.pages) names.push_back(page.listed_name);
  for (std::string& part : layout.PagePartFiles()) names.push_back(std::move(part));
  return CollectOutput(area, names, groups.count(), index_parts);
}

void ShowResults(const RunState& state, Console& console) {
  console.Line();
  console.Line("============ INDEXING RESULTS ===========");
  console.Line();
  console.Line("Indexing is done.");
  console.Line();
  console.Line("view subfolder: \\" + std::string(OutputFolder()));
  console.Line("view files: " + std::string(OutputFilesShown()));
  console.Line(
      "You can access the index of all words by double-clicking on any word.");
  console.Line("details: " + state.settings.info_address);
  console.Line();
}

}  // namespace

RunStep RunDocbase(const WorkArea& area, RunState& state, Console& console) {
  DOCBASE_RETURN_IF_ERROR(ClaimOwnFolders(area));
  DOCBASE_RETURN_IF_STOPPED(StartUp(area, state, console));
  // Every progress line and every stop of a phase goes through this report.
  ConsoleReport report(console);
  std::vector<NumberedPage> pages;
  DOCBASE_RETURN_IF_STOPPED(Prepare(area, state, console, report, &pages));
  // Every page shows the one moment of the run.
  state.settings.run_moment = CurrentDateTime();
  DOCBASE_RETURN_IF_STOPPED(
      Index(area, state, console, report, std::move(pages)));
  // htm_out holds only this run's pages now; the files they share go in
  // beside them.
  DOCBASE_RETURN_IF_ERROR(state.layout->WriteSharedFiles(area));
  report.Progress("processed 100%");
  // Before the results screen and its final key, so that it is read.
  if (state.layout->PagesCanOutgrowBrowsers()) {
    const std::string hint = LargePageHint(area.Path(OutputFolder()));
    if (!hint.empty()) std::fputs(hint.c_str(), stderr);
  }
  ShowResults(state, console);
  // The final key ends a finished run; the run's own outcome stays ok.
  (void)AnyKeyExit(console);
  return RunStep::GoOn();
}

int FinishRun(const RunStep& outcome, Console& console) {
  if (!outcome.io_error()) return 0;
  console.Line();
  console.Line("============================================");
  console.Line("The run has stopped: a file could not be read or written.");
  console.Line("file:   " + outcome.path());
  console.Line("reason: " + outcome.reason());
  console.Line("============================================");
  return 1;
}

}  // namespace docbase
