// Operations on names in folders that the standard library does not do the
// way the run needs: a rename that never replaces, a copy that keeps the
// system's reason for every failure, removal of many names in one folder,
// the working directory and a fresh temporary folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/status.h"

namespace docbase {

// Renames `from` to `to` unless `to` exists (a file, a folder or a link).
// A name that is taken or missing, or a rename the file system refuses,
// leaves everything as it was and is no failure; a disk that is full,
// read-only or failing is an I/O error naming `to`.
Status RenameNoReplace(const std::filesystem::path& from,
                       const std::filesystem::path& to);

// Replaces `to` with the bytes of `from` (and, on POSIX, its permissions).
// Whatever stands at `to` is removed as a name and a new file made there,
// so a link or another name of a file is never written through. Every
// failure keeps the system's reason; a target that is the source itself is
// refused before anything is removed. Errors name `to`.
Status CopyFileReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to);

// Whether `path` names a link (a symbolic link; on Windows also a junction
// or any other reparse point), whatever it points to.
bool IsLink(const std::filesystem::path& path);
// Removes the link itself; what it points to is never touched.
bool RemoveLink(const std::filesystem::path& path);

// Removes one name that is not a folder; false when nothing was removed
// (a folder, a missing name, a refusal).
bool RemoveFileName(const std::filesystem::path& path);

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

// Makes `folder` the working directory; on failure the system's text.
bool ChangeDirectory(const std::string& folder, std::string* reason);

// A new, empty, private folder below the system's temporary folder, its
// name starting with `name_part`; empty on failure, with `reason` set.
std::filesystem::path MakeTemporaryFolder(std::string_view name_part,
                                          std::string* reason);

}  // namespace docbase
