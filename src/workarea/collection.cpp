#include "workarea/collection.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "io/line_reader.h"
#include "platform/file_system.h"
#include "platform/path.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"
#include "workarea/listing_file.h"

namespace docbase {
namespace {

// Removed in this order: a folder is only removed when empty, so the
// nested htm_ndx/htm_in goes before htm_ndx.
const std::string kWorkFolders[] = {
    std::string(InputPageFolder()),     IndexPageFolder(),
    std::string(IndexFolder()),         std::string(ConvertedPageFolder()),
    std::string(TextCopyFolder()),      std::string(WordFolder())};

// Removes every entry below `folder` that is not a folder, as the removal
// of the names of its tree listing would, but walking the folder itself:
// the listing holds one name per line, and a name holding CR or LF comes
// apart there, so its file would stay and keep the folder from going.
// Like the listing, the walk goes into sub-folders but not through links.
void RemoveFilesBelow(const std::filesystem::path& folder) {
  if (IsLink(folder)) return;  // never into a folder elsewhere
  std::vector<std::string> names;
  (void)ListFolder(folder, &names);  // a folder that cannot be read: none
  for (const std::string& name : names) {
    const std::filesystem::path entry = folder / PathFromUtf8(name);
    // One call per name, as with the listing; only a name that is not
    // removed is looked at again, and a folder is walked in turn.
    if (RemoveFileName(entry).ok()) continue;
    if (KindOfEntry(entry) == EntryKind::kFolder) RemoveFilesBelow(entry);
  }
}

Status MoveIntoOutput(const WorkArea& area, std::string_view name) {
  return MoveFile(area, name, InFolder(OutputFolder(), name));
}

Status MovePages(const WorkArea& area, const std::vector<std::string>& pages) {
  for (const std::string& page : pages) {
    DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, TrimBlanks(page)));
  }
  return Status::Ok();
}

// files_list.htm, the word index pages, index.htm (and its parts) and the
// search pages. Only the pages the run made are taken, so that a working
// copy of an input named like "i_notes.htm" never reaches the output.
Status MoveGeneratedPages(const WorkArea& area, int64_t group_count,
                          int64_t index_parts) {
  DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, ContentsPageName()));
  for (int64_t group = 1; group <= group_count; ++group) {
    DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, WordIndexPageName(group)));
  }
  DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, MainIndexPageName()));
  for (int64_t part = 1; part <= index_parts; ++part) {
    DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, MainIndexPartName(part)));
  }
  for (int64_t group = 1; group <= group_count; ++group) {
    DOCBASE_RETURN_IF_ERROR(MoveIntoOutput(area, SearchPageName(group)));
  }
  return Status::Ok();
}

}  // namespace

Status CollectOutput(const WorkArea& area,
                     const std::vector<std::string>& pages,
                     int64_t group_count, int64_t index_parts) {
  // Made whenever it is missing: a presence test by name would take a
  // folder such as old_htm_out for it, and the output would be lost.
  MakeFolder(area, OutputFolder());
  // Only this run's output goes in (no placeholder is needed to empty it).
  DeleteFiles(area, InFolder(OutputFolder(), EveryNamePattern()));
  DOCBASE_RETURN_IF_ERROR(MovePages(area, pages));
  DOCBASE_RETURN_IF_ERROR(MoveGeneratedPages(area, group_count, index_parts));

  DeleteFiles(area, HtmlPattern());
  DeleteFiles(area, ListPattern());
  // Word tables, group files, word files, sort runs, trace files, listings
  // and the parameter file; the listing names itself and goes too, the
  // folder listings below write it again.
  DOCBASE_RETURN_IF_ERROR(ListNames(area, TextPattern(), ListingFile()));
  DOCBASE_RETURN_IF_ERROR(RemoveListedFiles(area, ListingFile(), ""));

  for (const std::string& folder : kWorkFolders) {
    // The listing is written as it always was; the last one stays.
    DOCBASE_RETURN_IF_ERROR(ListTree(area, folder, ListingFile()));
    RemoveFilesBelow(area.Path(folder));
    RemoveFolder(area, folder);
  }
  return Status::Ok();
}

}  // namespace docbase
