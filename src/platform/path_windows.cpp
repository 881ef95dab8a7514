#include "platform/path.h"

#include "platform/wide_text.h"

namespace docbase {

// Through the system's converters rather than the standard library's, which
// throw on bytes that are not UTF-8; such bytes become U+FFFD here.
std::filesystem::path PathFromUtf8(std::string_view name) {
  return std::filesystem::path(WideFromUtf8(name));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  return Utf8FromWide(path.native());
}

std::string NativePathText(const std::filesystem::path& path) {
  return Utf8FromPath(std::filesystem::path(path).make_preferred());
}

}  // namespace docbase
