#include "workarea/collection.h"

#include <string>
#include <string_view>

#include "common/line_reader.h"
#include "common/text.h"
#include "workarea/commands.h"
#include "workarea/listing_file.h"

namespace docbase {
namespace {

// Removed in this order: a folder is only removed when empty, so the
// nested htm_ndx/htm_in goes before htm_ndx.
constexpr std::string_view kWorkFolders[] = {
    "htm_in", "htm_ndx/htm_in", "htm_ndx", "htm_wrk", "txt_wrk", "wrd_24"};

Status MoveIntoOutput(const WorkArea& area, std::string_view name) {
  return MoveFile(area, name, "htm_out/" + std::string(name));
}

// Every page named in the page listing dir_02.txt.
Status MovePages(const WorkArea& area) {
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("dir_02.txt")));
  std::string_view line;
  while (reader.Next(&line)) {
    if (!ContainsIgnoreCase(line, ".htm")) continue;
    DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, TrimBlanks(line)));
  }
  return reader.status();
}

// files_list.htm, the word index pages, index.htm and the search pages.
// Only the group pages the run made are taken, so that a working copy of
// an input named like "i_notes.htm" never reaches the output.
Status MoveGeneratedPages(const WorkArea& area, int64_t group_count) {
  DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, "files_list.htm"));
  for (int64_t group = 1; group <= group_count; ++group) {
    DOCBASE_RETURN_IF_ERROR(
        MoveIntoOutput(area, "i_" + std::to_string(group) + ".htm"));
  }
  DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, "index.htm"));
  for (int64_t group = 1; group <= group_count; ++group) {
    DOCBASE_RETURN_IF_ERROR(
        MoveIntoOutput(area, "s_" + std::to_string(group) + ".htm"));
  }
  return Status::Ok();
}

}  // namespace

Status CollectOutput(const WorkArea& area, const RunState& state) {
  // Made whenever it is missing: a presence test by name would take a
  // folder such as old_htm_out for it, and the output would be lost.
  MakeFolder(area, "htm_out");
  // Only this run's output goes in (no placeholder is needed to empty it).
  DeleteFiles(area, "htm_out/*.*");
  DOCBASE_RETURN_IF_ERROR(MovePages(area));
  DOCBASE_RETURN_IF_ERROR(MoveGeneratedPages(area, state.group_count));

  DeleteFiles(area, "*.htm*");
  DeleteFiles(area, "*.list");
  // Word tables, group files, word files, sort runs, trace files, listings
  // and the parameter file; the listing names itself and goes too, the
  // folder listings below write it again.
  DOCBASE_RETURN_IF_ERROR(ListAndRemoveFiles(area, "*.txt", "dir_01.txt"));

  for (std::string_view folder : kWorkFolders) {
    DOCBASE_RETURN_IF_ERROR(ListTree(area, folder, "dir_01.txt"));
    // Absolute paths; sub-folder names cannot be removed as files.
    DOCBASE_RETURN_IF_ERROR(RemoveListedFiles(area, "dir_01.txt", ""));
    RemoveFolder(area, folder);
  }
  return Status::Ok();
}

}  // namespace docbase
