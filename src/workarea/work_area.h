// The work area is the program directory (the current directory of a run)
// with its sub-folders. Every phase names its files relative to it, with "/"
// between folder and name; tests root it in a temporary folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/path.h"

namespace docbase {

class WorkArea {
 public:
  // The program's own work area: the current directory, with names kept
  // relative so that messages show them as the user knows them.
  static WorkArea CurrentDirectory() { return WorkArea(); }

  // A work area rooted at `root`, which must name a folder: an empty root
  // would quietly mean the current directory, and a clean-up there would
  // delete the files of whatever folder the caller runs in. An empty root
  // therefore stops the process at once.
  explicit WorkArea(std::filesystem::path root);

  std::filesystem::path Path(std::string_view name) const {
    return root_.empty() ? PathFromUtf8(name) : root_ / PathFromUtf8(name);
  }
  const std::filesystem::path& root() const { return root_; }
  // The full path of the program directory, as "cd" prints it.
  std::string DirectoryPath() const;

 private:
  WorkArea() = default;

  std::filesystem::path root_;
};

}  // namespace docbase
