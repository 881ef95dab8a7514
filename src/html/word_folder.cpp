#include "html/word_folder.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "common/line_writer.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"

namespace docbase {

Status PrepareWordFolder(const WorkArea& area, int64_t group_count) {
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(
      FolderPresent(area, WordFolder(), ListingFile(), &present));
  std::error_code error;
  const bool is_folder =
      std::filesystem::is_directory(area.Path(WordFolder()), error);
  if (!present) {
    MakeFolder(area, WordFolder());
  } else if (is_folder) {
    // The listing makes sure the deletion finds a file.
    DOCBASE_RETURN_IF_ERROR(WriteDirectoryListing(area, WordFolderListingFile()));
    DeleteFiles(area, InFolder(WordFolder(), TextPattern()));
  }
  // The folder test matches any name that contains wrd_24; when it found
  // another name, there is no folder to fill, silently.
  if (!std::filesystem::is_directory(area.Path(WordFolder()), error)) {
    return Status::Ok();
  }
  for (int64_t group = 1; group <= group_count; ++group) {
    LineWriter entry;
    DOCBASE_RETURN_IF_ERROR(entry.Open(area.Path(WordFolderEntry(group))));
    DOCBASE_RETURN_IF_ERROR(entry.Close());
  }
  return Status::Ok();
}

}  // namespace docbase
