#include "html/word_folder.h"

#include <string>

#include "io/line_writer.h"
#include "platform/file_system.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"

namespace docbase {

Status PrepareWordFolder(const WorkArea& area, int64_t group_count) {
  bool present = false;
  DOCBASE_RETURN_IF_ERROR(
      FolderPresent(area, WordFolder(), ListingFile(), &present));
  const bool is_folder = IsFolder(area.Path(WordFolder()));
  if (!present) {
    MakeFolder(area, WordFolder());
  } else if (is_folder) {
    // No placeholder listing first, as in the folder set-up: the end state
    // is the same without it.
    DeleteFiles(area, InFolder(WordFolder(), TextPattern()));
  }
  // The folder test matches any name that contains wrd_24; when it found
  // another name, there is no folder to fill, silently.
  if (!IsFolder(area.Path(WordFolder()))) {
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
