// What the file system layer does the same way on every platform.
#include "platform/file_system.h"

#include <system_error>

#include "platform/path.h"

namespace docbase {

Status AbsolutePath(const std::filesystem::path& path,
                    std::filesystem::path* absolute) {
  std::error_code error;
  *absolute = std::filesystem::absolute(path, error);
  if (error) return Status::IoError(Utf8FromPath(path), error.message());
  return Status::Ok();
}

}  // namespace docbase
