#include "platform/path.h"

namespace docbase {

std::filesystem::path PathFromUtf8(std::string_view name) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(name.data()), name.size()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

std::string NativePathText(const std::filesystem::path& path) {
  return Utf8FromPath(std::filesystem::path(path).make_preferred());
}

}  // namespace docbase
