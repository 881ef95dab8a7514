#include "workarea/folder_setup.h"

#include <string>

#include "base/text.h"
#include "io/line_writer.h"
#include "platform/file_system.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"
#include "workarea/listing_file.h"

namespace docbase {
namespace {

constexpr std::string_view kRule18 = "------------------";
constexpr std::string_view kRule28 = "----------------------------";
constexpr std::string_view kRule32 = "--------------------------------";
constexpr std::string_view kRule42 =
    "------------------------------------------";

// A failed presence test: rule, message, an empty line, then the any-key
// wait; the run stops there.
Status FailSetUp(RunReport& report, std::string_view rule,
                 std::string_view message, bool* stopped) {
  report.Stop({rule, message, ""});
  *stopped = true;
  return Status::Ok();
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
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path(FolderListingFile())));
  for (const std::string& entry : MatchingNames(area, "*.")) {
    if (!IsFolder(area.Path(entry))) continue;
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
  DeleteFiles(area, InFolder(folder, EveryNamePattern()));
  MakeFolder(area, folder);
}

// Empties and removes `folder` when the presence test finds it. The run
// has always written a placeholder listing into the folder first, only so
// that the delete finds something; the end state is the same without it,
// and without it a name that merely contains `folder` causes no error.
Status RemoveFolderWhenPresent(const WorkArea& area, std::string_view folder) {
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(FolderPresent(area, folder, ListingFile(), &present));
  if (present) {
    DeleteFiles(area, InFolder(folder, EveryNamePattern()));
    RemoveFolder(area, folder);
  }
  return Status::Ok();
}

}  // namespace

Status CheckInputPresence(const WorkArea& area, bool* present) {
  // The old output is emptied here already (its placeholder listing would
  // be deleted at once, so it is not written).
  DeleteFiles(area, InFolder(OutputFolder(), EveryNamePattern()));
  DOCBASE_RETURN_IF_ERROR(ListNames(
      area, InFolder(InputFolder(), TextPattern()), TextListingFile()));
  // Only lower-case ".txt" counts, so a txt_in holding only ".TXT" names
  // ends the run here although the listing names them.
  int64_t text_files = 0;
  DOCBASE_RETURN_IF_ERROR(
      CountLinesContaining(area, TextListingFile(), TextExtension(),
                           &text_files));
  *present = text_files > 0;
  return Status::Ok();
}

Status SetUpInputFolder(const WorkArea& area, RunReport& report,
                        bool* stopped) {
  *stopped = false;
  DOCBASE_RETURN_IF_ERROR(RemoveFolderWhenPresent(area, InputPageFolder()));
  MakeFolder(area, InputPageFolder());
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(SubFolderPresent(area, InputPageFolder(), &present));
  if (!present) {
    return FailSetUp(
        report, kRule32,
        "subfolder " + std::string(InputPageFolder()) + " must be created",
        stopped);
  }
  return Status::Ok();
}

Status SetUpWorkFolders(const WorkArea& area, RunReport& report,
                        int64_t* input_file_count, bool* stopped) {
  *stopped = false;
  DOCBASE_RETURN_IF_ERROR(ListNames(
      area, InFolder(InputFolder(), TextPattern()), InputListingFile()));
  DOCBASE_RETURN_IF_ERROR(
      CountLinesContaining(area, InputListingFile(), "", input_file_count));
  if (*input_file_count == 0) {
    return FailSetUp(report, kRule18,
                     "missing " + std::string(InputFolder()) + " subfolder",
                     stopped);
  }

  MakeOrEmptyFolder(area, TextCopyFolder());
  MakeOrEmptyFolder(area, ConvertedPageFolder());
  // Only txt_wrk is tested, not htm_wrk.
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(SubFolderPresent(area, TextCopyFolder(), &present));
  if (!present) {
    return FailSetUp(
        report, kRule28,
        "Subfolder " + std::string(TextCopyFolder()) + " must be created.",
        stopped);
  }
  return Status::Ok();
}

Status CleanStaleFiles(const WorkArea& area) {
  // Every file of these types goes, whoever made it.
  DOCBASE_RETURN_IF_ERROR(ListAndRemoveFiles(area, HtmlPattern(), ListingFile()));
  DOCBASE_RETURN_IF_ERROR(ListAndRemoveFiles(area, ListPattern(), ListingFile()));
  DOCBASE_RETURN_IF_ERROR(ListAndRemoveFiles(area, TextPattern(), ListingFile()));
  DOCBASE_RETURN_IF_ERROR(ListAndRemoveFiles(
      area, InFolder(OutputFolder(), EveryNamePattern()), ListingFile()));

  // The trace file is made empty and nothing is ever written to it; it
  // need not stay open for that.
  if (IsFolder(area.Path(TraceFolder()))) {
    LineWriter trace;
    DOCBASE_RETURN_IF_ERROR(trace.Open(area.Path(TraceFile())));
    DOCBASE_RETURN_IF_ERROR(trace.Close());
  }

  return RemoveFolderWhenPresent(area, OutputFolder());
}

Status SetUpOutputFolders(const WorkArea& area, RunReport& report,
                          bool* stopped) {
  *stopped = false;
  MakeFolder(area, InputPageFolder());
  MakeFolder(area, OutputFolder());
  // htm_in passed its test at set-up and is not looked for again.
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(SubFolderPresent(area, OutputFolder(), &present));
  if (!present) {
    return FailSetUp(report, kRule42,
                     "subfolders " + std::string(InputPageFolder()) + ", " +
                         std::string(OutputFolder()) + " must be created",
                     stopped);
  }
  return Status::Ok();
}

}  // namespace docbase
