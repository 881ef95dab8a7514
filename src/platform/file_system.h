// Names in folders: what stands at a name, the listing of a folder, making
// and removing folders, files and links, renames, copies, the working
// directory and a fresh temporary folder. Every file-system call of the
// program above this layer goes through here (the bytes of a file go
// through platform/file.h).
//
// Every call that can fail returns a Status made where it failed, naming
// the path and giving the system's own reason; a name (or a folder on the
// way) that is missing gives a NotFound status, which the callers that
// expect it pass over.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace docbase {

// What stands at a name itself; a link is not followed. A link is a
// symbolic link, on Windows also a junction or any other reparse point.
enum class EntryKind { kMissing, kFile, kFolder, kLink, kOther };
EntryKind KindOfEntry(const std::filesystem::path& path);
inline bool IsLink(const std::filesystem::path& path) {
  return KindOfEntry(path) == EntryKind::kLink;
}

// Whether `path`, through any links, is a folder, or a regular file.
bool IsFolder(const std::filesystem::path& path);
bool IsFile(const std::filesystem::path& path);

// The names of the entries of `folder` (files, folders and links alike, "."
// and ".." left out), as UTF-8 bytes, in the order the system gives.
Status ListFolder(const std::filesystem::path& folder,
                  std::vector<std::string>* names);

// One level: the folder above must exist. A name that is taken fails.
Status MakeFolder(const std::filesystem::path& path);
// Removes an empty folder; a link in the folder's place is refused, never
// removed, and a folder that is not empty stays.
Status RemoveEmptyFolder(const std::filesystem::path& path);

// Removes one name that is not a folder: a link goes as a link (a link to
// a folder too), and what it points to is never touched.
Status RemoveFileName(const std::filesystem::path& path);
// Removes the link at `path`; anything else there is refused and stays.
Status RemoveLink(const std::filesystem::path& path);

// Renames `from` to `to`, replacing a file at `to`.
Status RenameReplacing(const std::filesystem::path& from,
                       const std::filesystem::path& to);

// Replaces `to` with the bytes of `from` (and, on POSIX, its permissions).
// Whatever stands at `to` is removed as a name and a new file made there,
// so a link or another name of a file is never written through. A target
// that is the source itself is refused before anything is removed. Errors
// name `to`.
Status CopyFileReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to);

// `path` made absolute against the working directory (not resolving
// links).
Status AbsolutePath(const std::filesystem::path& path,
                    std::filesystem::path* absolute);

// Makes `folder` the working directory.
Status ChangeDirectory(const std::filesystem::path& folder);

// A new, empty, private folder below the system's temporary folder, its
// name starting with `name_part`.
Status MakeTemporaryFolder(std::string_view name_part,
                           std::filesystem::path* made);

// Removes names of files in one folder, one system call each: for the
// clean-ups that remove tens of thousands of work files.
class NameRemover {
 public:
  explicit NameRemover(const std::filesystem::path& folder);
  ~NameRemover();
  NameRemover(const NameRemover&) = delete;
  NameRemover& operator=(const NameRemover&) = delete;

  // `name` is relative to the folder (or absolute); a folder or a missing
  // name is passed over.
  void Remove(const std::string& name);

 private:
  std::filesystem::path folder_;
  int descriptor_ = -1;  // POSIX: the open folder
};

}  // namespace docbase
