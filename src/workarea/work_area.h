// The work area is the program directory (the current directory of a run)
// with its sub-folders. Every phase names its files relative to it, with "/"
// between folder and name; tests root it in a temporary folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace docbase {

class WorkArea {
 public:
  // An empty root means the current directory; names then stay relative,
  // so messages show them as the user knows them.
  explicit WorkArea(std::filesystem::path root = {}) : root_(std::move(root)) {}

  std::filesystem::path Path(std::string_view name) const {
    return root_.empty() ? std::filesystem::path(name) : root_ / name;
  }
  const std::filesystem::path& root() const { return root_; }
  // The full path of the program directory, as "cd" prints it.
  std::string DirectoryPath() const;

 private:
  std::filesystem::path root_;
};

}  // namespace docbase
