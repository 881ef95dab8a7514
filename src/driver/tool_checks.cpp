#include "driver/tool_checks.h"

#include <string>
#include <vector>

#include "driver/prompts.h"
#include "io/line_writer.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"
#include "workarea/listing_file.h"

namespace docbase {
namespace {

constexpr Tool kToolsInOrder[] = {Tool::kCommandInterpreter, Tool::kFind,
                                  Tool::kFindstr, Tool::kSort};

const char* ToolName(Tool tool) {
  switch (tool) {
    case Tool::kCommandInterpreter:
      return "cmd";
    case Tool::kFind:
      return "find";
    case Tool::kFindstr:
      return "findstr";
    case Tool::kSort:
      return "sort";
  }
  return "";
}

// Word records in which "id00000007" is the word id field of the first and
// third line only; the second holds it as the word itself, which neither
// the count nor the search may take.
const std::vector<std::string> kWordRecords = {
    R"("check","p1","         1","     1","id00000007","1")",
    R"("id00000007","p1","         1","     7","id00000003","1")",
    R"("check","p2","         2","     1","id00000007","2")",
};
constexpr char kCheckedId[] = "id00000007";

// Equal keys in both letter cases keep their order; "_" sorts before the
// letters once they are lower-cased.
const std::vector<std::string> kUnsorted = {"delta", "Bravo",  "alpha",
                                            "bravo", "_under", "Charlie"};
const std::vector<std::string> kSorted = {"_under", "alpha",   "Bravo",
                                          "bravo",  "Charlie", "delta"};

// Replaces the earlier check files by check_01.txt holding `lines`.
Status WriteCheckInput(const WorkArea& area,
                       const std::vector<std::string>& lines) {
  DeleteFiles(area, CheckFilePattern());
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path(CheckInputFile())));
  for (const std::string& line : lines) writer.WriteLine(line);
  return writer.Close();
}

Status CheckOutputIs(const WorkArea& area,
                     const std::vector<std::string>& expected, bool* passed) {
  std::vector<std::string> lines;
  DOCBASE_RETURN_IF_ERROR(ReadAllLines(area, CheckOutputFile(), &lines));
  *passed = lines == expected;
  return Status::Ok();
}

Status CheckListing(const WorkArea& area, bool* passed) {
  DOCBASE_RETURN_IF_ERROR(ListNames(area, CheckFilePattern(), CheckInputFile()));
  std::vector<std::string> lines;
  DOCBASE_RETURN_IF_ERROR(ReadAllLines(area, CheckInputFile(), &lines));
  *passed = false;
  for (const std::string& line : lines) *passed |= line == CheckInputFile();
  return Status::Ok();
}

}  // namespace

Status RunToolCheck(const WorkArea& area, Tool tool, bool* passed) {
  *passed = false;
  switch (tool) {
    case Tool::kCommandInterpreter:
      return CheckListing(area, passed);
    case Tool::kFind:
      DOCBASE_RETURN_IF_ERROR(WriteCheckInput(area, kWordRecords));
      DOCBASE_RETURN_IF_ERROR(
          CountWordIdLines(area, kCheckedId, CheckInputFile(), CheckOutputFile()));
      return CheckOutputIs(area, {"---------- " + std::string(CheckInputFile()) + ": 2"}, passed);
    case Tool::kFindstr:
      DOCBASE_RETURN_IF_ERROR(WriteCheckInput(area, kWordRecords));
      DOCBASE_RETURN_IF_ERROR(
          SearchWordIdLines(area, kCheckedId, CheckInputFile(), CheckOutputFile()));
      return CheckOutputIs(area, {kWordRecords[0], kWordRecords[2]}, passed);
    case Tool::kSort:
      DOCBASE_RETURN_IF_ERROR(WriteCheckInput(area, kUnsorted));
      DOCBASE_RETURN_IF_ERROR(
          PlatformSort(area, CheckInputFile(), CheckOutputFile()));
      return CheckOutputIs(area, kSorted, passed);
  }
  return Status::Ok();
}

RunStep ToolMissingExit(Tool tool, Console& console) {
  console.Line("---------------------");
  if (tool == Tool::kSort) {
    console.Line("Checking for sort.exe");
    console.Line(
        "It is probably necessary to set the system path to the program.");
  } else {
    console.Line(std::string("Checking for ") + ToolName(tool) + ".exe!");
    console.Line(
        "The system path to the program is most likely to be configured.");
  }
  return OneKeyExit(console);
}

RunStep CheckTools(const WorkArea& area, Console& console) {
  console.Line("---------------------------");
  console.Line("Checking the accessibility of some urgently needed programs:");
  console.Line("cmd.exe, find.exe, findstr.exe, sort.exe");
  for (Tool tool : kToolsInOrder) {
    console.Line(ToolName(tool));
    bool passed = false;
    DOCBASE_RETURN_IF_ERROR(RunToolCheck(area, tool, &passed));
    if (!passed) return ToolMissingExit(tool, console);
  }
  return RunStep::GoOn();
}

}  // namespace docbase
