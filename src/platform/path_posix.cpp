#include "platform/path.h"

namespace docbase {

std::filesystem::path PathFromUtf8(std::string_view name) {
  return std::filesystem::path(std::string(name));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  return path.native();
}

std::string NativePathText(const std::filesystem::path& path) {
  return path.native();
}

}  // namespace docbase
