#include "workarea/folder_setup.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "common/line_writer.h"
#include "common/text.h"
#include "workarea/commands.h"
#include "workarea/listing_file.h"

namespace docbase {
namespace {

constexpr std::string_view kRule18 = "------------------";
constexpr std::string_view kRule28 = "----------------------------";
constexpr std::string_view kRule32 = "--------------------------------";
constexpr std::string_view kRule42 =
    "------------------------------------------";

// A failed presence test: rule, message, an empty line, then the any-key
// wait.
Status FailSetUp(RunReport& report, std::string_view rule,
                 std::string_view message) {
  return report.Stop({rule, message, ""}, RunReport::Wait::kAnyKey);
}

// The test after a folder was made or emptied ("dir *. > dir_cur.txt" and
// its like): a listing of the sub-folders of the program directory, one per
// line, searched for `name` (lower case) in each lower-cased line with
// trailing blanks removed. Files are left out: a file that blocks the
// folder's name must not pass for the folder.
Status SubFolderPresent(const WorkArea& area, std::string_view name,
                        bool* present) {
  *present = false;
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path("dir_cur.txt")));
  for (const std::string& entry : MatchingNames(area, "*.")) {
    std::error_code error;
    if (!std::filesystem::is_directory(area.Path(entry), error)) continue;
    writer.WriteLine(entry);
    if (!*present && Contains(ToLowerAscii(TrimTrailingBlanks(entry)), name)) {
      *present = true;
    }
  }
  return writer.Close();
}

// txt_wrk and htm_wrk: emptied when there, made otherwise. The folder is
// made whenever it is missing, rather than only when no name contains it,
// so that a folder such as old_txt_wrk cannot stand in for it.
void MakeOrEmptyFolder(const WorkArea& area, std::string_view folder) {
  DeleteFiles(area, std::string(folder) + "/*.*");
  MakeFolder(area, folder);
}

// Empties and removes `folder` when the presence test finds it. The run
// has always written a placeholder listing into the folder first, only so
// that the delete finds something; the end state is the same without it,
// and without it a name that merely contains `folder` causes no error.
Status RemoveFolderWhenPresent(const WorkArea& area, std::string_view folder) {
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(FolderPresent(area, folder, "dir_01.txt", &present));
  if (present) {
    DeleteFiles(area, std::string(folder) + "/*.*");
    RemoveFolder(area, folder);
  }
  return Status::Ok();
}

}  // namespace

Status CheckInputPresence(const WorkArea& area, bool* present) {
  // The old output is emptied here already (its placeholder listing would
  // be deleted at once, so it is not written).
  DeleteFiles(area, "htm_out/*.*");
  DOCBASE_RETURN_IF_ERROR(ListNames(area, "txt_in/*.txt", "txt_file.txt"));
  // Only lower-case ".txt" counts, so a txt_in holding only ".TXT" names
  // ends the run here although the listing names them.
  int64_t text_files = 0;
  DOCBASE_RETURN_IF_ERROR(
      CountLinesContaining(area, "txt_file.txt", ".txt", &text_files));
  *present = text_files > 0;
  return Status::Ok();
}

Status SetUpInputFolder(const WorkArea& area, RunReport& report) {
  DOCBASE_RETURN_IF_ERROR(RemoveFolderWhenPresent(area, "htm_in"));
  MakeFolder(area, "htm_in");
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(SubFolderPresent(area, "htm_in", &present));
  if (!present) {
    return FailSetUp(report, kRule32, "subfolder htm_in must be created");
  }
  return Status::Ok();
}

Status SetUpWorkFolders(const WorkArea& area, RunReport& report,
                        int64_t* input_file_count) {
  DOCBASE_RETURN_IF_ERROR(ListNames(area, "txt_in/*.txt", "txt_file.list"));
  DOCBASE_RETURN_IF_ERROR(
      CountLinesContaining(area, "txt_file.list", "", input_file_count));
  if (*input_file_count == 0) {
    return FailSetUp(report, kRule18, "missing txt_in subfolder");
  }

  MakeOrEmptyFolder(area, "txt_wrk");
  MakeOrEmptyFolder(area, "htm_wrk");
  // Only txt_wrk is tested, not htm_wrk.
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(SubFolderPresent(area, "txt_wrk", &present));
  if (!present) {
    return FailSetUp(report, kRule28, "Subfolder txt_wrk must be created.");
  }
  return Status::Ok();
}

Status CleanStaleFiles(const WorkArea& area) {
  // Every file of these types goes, whoever made it.
  DOCBASE_RETURN_IF_ERROR(ListAndRemoveFiles(area, "*.htm*", "dir_01.txt"));
  DOCBASE_RETURN_IF_ERROR(ListAndRemoveFiles(area, "*.list", "dir_01.txt"));
  DOCBASE_RETURN_IF_ERROR(ListAndRemoveFiles(area, "*.txt", "dir_01.txt"));
  DOCBASE_RETURN_IF_ERROR(
      ListAndRemoveFiles(area, "htm_out/*.*", "dir_01.txt"));

  // The trace file is made empty and nothing is ever written to it; it
  // need not stay open for that.
  std::error_code error;
  if (std::filesystem::is_directory(area.Path("trace"), error)) {
    LineWriter trace;
    DOCBASE_RETURN_IF_ERROR(trace.Open(area.Path("trace/file_trace.txt")));
    DOCBASE_RETURN_IF_ERROR(trace.Close());
  }

  return RemoveFolderWhenPresent(area, "htm_out");
}

Status SetUpOutputFolders(const WorkArea& area, RunReport& report) {
  MakeFolder(area, "htm_in");
  MakeFolder(area, "htm_out");
  // htm_in passed its test at set-up and is not looked for again.
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(SubFolderPresent(area, "htm_out", &present));
  if (!present) {
    return FailSetUp(report, kRule42,
                     "subfolders htm_in, htm_out must be created");
  }
  return Status::Ok();
}

}  // namespace docbase
