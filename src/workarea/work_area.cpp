#include "workarea/work_area.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace docbase {

WorkArea::WorkArea(std::filesystem::path root) : root_(std::move(root)) {
  if (root_.empty()) {
    std::fputs("docbase: a work area needs a folder, not an empty path\n",
               stderr);
    std::abort();
  }
}

std::string WorkArea::DirectoryPath() const {
  std::error_code error;
  std::filesystem::path full = root_.empty()
                                   ? std::filesystem::current_path(error)
                                   : std::filesystem::absolute(root_, error);
  if (error) return NativePathText(root_);
  std::string text = NativePathText(full.lexically_normal());
  if (text.size() > 1 && (text.back() == '/' || text.back() == '\\') &&
      text[text.size() - 2] != ':') {
    text.pop_back();
  }
  return text;
}

}  // namespace docbase
