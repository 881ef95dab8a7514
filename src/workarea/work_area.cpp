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
  if (error) return root_.string();
  std::string text = full.lexically_normal().string();
  if (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace docbase
