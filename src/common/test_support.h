// Helpers for tests: a fresh temporary folder per test, and whole-file read
// and write.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace docbase::testing {

// A new empty folder under the system's temporary folder, removed with its
// contents when the object goes away. `name_part` becomes part of the
// folder name (tests of the auto-answer folder need that).
class TempFolder {
 public:
  explicit TempFolder(std::string_view name_part = "docbase");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace docbase::testing
