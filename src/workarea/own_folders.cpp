#include "workarea/own_folders.h"

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"

namespace docbase {

Status ClaimOwnFolders(const WorkArea& area) {
  for (std::string_view folder : {OutputFolder(), TraceFolder()}) {
    if (IsLink(area.Path(folder))) {
      return Status::IoError(
          folder,
          "is a link to another place; a run replaces everything in it, so "
          "it does not follow the link: remove the link, or run where it is "
          "a folder of its own");
    }
  }
  const std::string index_pages = IndexPageFolder();
  for (std::string_view folder :
       {std::string_view(TextCopyFolder()), ConvertedPageFolder(),
        InputPageFolder(), IndexFolder(), std::string_view(index_pages),
        WordFolder()}) {
    if (!IsLink(area.Path(folder))) continue;
    MakeFolder(area, folder);
    if (IsLink(area.Path(folder))) {
      // The system would not take the link away: stop rather than work in
      // the folder it points to.
      return Status::IoError(
          folder, "is a link to another place that cannot be removed: "
                  "remove it, then start the run again");
    }
  }
  return Status::Ok();
}

}  // namespace docbase
