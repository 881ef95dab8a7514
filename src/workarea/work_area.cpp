#include "workarea/work_area.h"

#include <system_error>

namespace docbase {

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
