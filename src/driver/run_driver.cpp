#include "driver/run_driver.h"

#include "driver/console_report.h"
#include "driver/display_parameters.h"
#include "driver/preparation_screens.h"
#include "driver/prompts.h"
#include "driver/start_up_screens.h"
#include "driver/target_site.h"
#include "driver/tool_checks.h"
#include "html/main_index.h"
#include "html/output_pass.h"
#include "pages/page_set.h"
#include "pages/text_to_page.h"
#include "words/page_groups.h"
#include "words/word_extraction.h"
#include "words/word_tables.h"
#include "workarea/collection.h"
#include "workarea/folder_setup.h"

namespace docbase {
namespace {

Status StartUp(const WorkArea& area, RunState& state, Console& console) {
  console.Line("Active code page: 65001");
  console.Line(state.program_name_setting);
  console.Line();
  console.Line(state.program_path);
  DOCBASE_RETURN_IF_ERROR(SetTargetSite(state, console));
  DOCBASE_RETURN_IF_ERROR(
      ShowStartUpScreens(state, console, area.DirectoryPath()));
  return CheckTools(area, console);
}

Status Prepare(const WorkArea& area, RunState& state, Console& console) {
  ConsoleReport report(console);
  bool input_present = false;
  DOCBASE_RETURN_IF_ERROR(CheckInputPresence(area, &input_present));
  if (!input_present) return ShowInputMissing(console);
  DOCBASE_RETURN_IF_ERROR(SetUpInputFolder(area, report));
  console.Line();
  DOCBASE_RETURN_IF_ERROR(
      SetUpWorkFolders(area, report, &state.input_file_count));

  ConvertedTexts converted;
  DOCBASE_RETURN_IF_ERROR(
      ConvertTextsToPages(area, state.input_file_count, &converted));
  state.number_pad = converted.number_pad;
  DOCBASE_RETURN_IF_ERROR(ShowConvertedPages(
      converted, state.input_file_count, console, area.DirectoryPath()));
  DOCBASE_RETURN_IF_ERROR(FillInputPageSet(area));

  console.Line(state.program_path);
  DOCBASE_RETURN_IF_ERROR(CleanStaleFiles(area));
  AskTargetAddress(state, console);
  DOCBASE_RETURN_IF_ERROR(SetUpOutputFolders(area, report));
  DOCBASE_RETURN_IF_ERROR(SetDisplayParameters(area, state, console));
  return BuildPageSet(area, state, &state.number_pad);
}

Status Index(const WorkArea& area, RunState& state, Console& console) {
  console.Line();
  console.Line("processed 1%");
  DOCBASE_RETURN_IF_ERROR(ExtractWords(area));
  console.Line("processed 10%");
  DOCBASE_RETURN_IF_ERROR(SortWordOccurrences(area, state, console));
  console.Line("processed 20%");
  DOCBASE_RETURN_IF_ERROR(NumberWordOccurrences(area, state, console));
  console.Line("processed 30%");
  DOCBASE_RETURN_IF_ERROR(BuildPageGroups(area, state, console));
  console.Line("processed 40%");
  DOCBASE_RETURN_IF_ERROR(SplitWordsByGroup(area, state));
  console.Line("processed 50%");
  DOCBASE_RETURN_IF_ERROR(WriteGroupOutputs(area, state));
  console.Line("processed 60%");
  int64_t total = 0;
  DOCBASE_RETURN_IF_ERROR(SortMainIndexRecords(area, state, console, &total));
  console.Line("processed 70%");
  DOCBASE_RETURN_IF_ERROR(WriteMainIndex(area, state, console, total));
  console.Line("processed 90%");
  return CollectOutput(area, state);
}

void ShowResults(const RunState& state, Console& console) {
  console.Line();
  console.Line("============ INDEXING RESULTS ===========");
  console.Line();
  console.Line("Indexing is done.");
  console.Line();
  console.Line("view subfolder: \\htm_out");
  console.Line("view files: page*.htm, index*.htm, i_*.htm, s_*.htm");
  console.Line(
      "You can access the index of all words by double-clicking on any word.");
  console.Line("details: " + state.info_address);
  console.Line();
}

}  // namespace

Status RunDocbase(const WorkArea& area, RunState& state, Console& console) {
  DOCBASE_RETURN_IF_ERROR(StartUp(area, state, console));
  DOCBASE_RETURN_IF_ERROR(Prepare(area, state, console));
  DOCBASE_RETURN_IF_ERROR(Index(area, state, console));
  console.Line("processed 100%");
  ShowResults(state, console);
  AnyKeyExit(console);
  return Status::Ok();
}

int FinishRun(const Status& outcome, Console& console) {
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
