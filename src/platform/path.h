// File names cross the program as UTF-8 bytes, exactly as they are on
// Linux. These functions are the only places where such bytes become a
// std::filesystem::path and back: on POSIX the bytes pass unchanged, on
// Windows they are converted to and from the UTF-16 names of the system, so
// the same name gives the same bytes on both platforms.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace docbase {

std::filesystem::path PathFromUtf8(std::string_view name);
std::string Utf8FromPath(const std::filesystem::path& path);

// The path as the platform shows it to its users (backslashes on Windows).
std::string NativePathText(const std::filesystem::path& path);

}  // namespace docbase
