#include "workarea/work_area.h"

#include <cstdio>
#include <cstdlib>

#include "platform/file_system.h"

namespace docbase {

WorkArea::WorkArea(std::filesystem::path root) : root_(std::move(root)) {
  if (root_.empty()) {
    std::fputs("docbase: a work area needs a folder, not an empty path\n",
               stderr);
    std::abort();
  }
}

std::string WorkArea::DirectoryPath() const {
  std::filesystem::path full;
  // The empty root of the current directory is ".".
  if (!AbsolutePath(root_.empty() ? "." : root_, &full).ok()) {
    return NativePathText(root_);
  }
  std::string text = NativePathText(full.lexically_normal());
  if (text.size() > 1 && (text.back() == '/' || text.back() == '\\') &&
      text[text.size() - 2] != ':') {
    text.pop_back();
  }
  return text;
}

}  // namespace docbase
