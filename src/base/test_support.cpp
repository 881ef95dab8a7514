#include "base/test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/file.h"
#include "platform/file_system.h"
#include "platform/path.h"

namespace docbase::testing {

TempFolder::TempFolder(std::string_view name_part) {
  Status made = MakeTemporaryFolder(name_part, &path_);
  if (!made.ok()) {
    // Going on with an empty path would point the test at the folder it
    // runs in, where a clean-up deletes files.
    std::fprintf(stderr, "cannot make a temporary folder: %s\n",
                 made.ToString().c_str());
    std::abort();
  }
}

TempFolder::~TempFolder() {
  std::error_code error;
  // Tests may leave read-only folders behind; make them writable first.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
       !error && it != std::filesystem::recursive_directory_iterator();
       it.increment(error)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
  }
  std::filesystem::remove_all(path_, error);
}

bool SystemTakesNames(const std::filesystem::path& folder,
                      std::initializer_list<std::string_view> names) {
  const std::filesystem::path probe = folder / "name_probe";
  if (!MakeFolder(probe).ok()) return false;
  std::vector<std::string> wanted;
  for (std::string_view name : names) {
    File file;
    if (file.Open(probe / PathFromUtf8(name), File::Mode::kCreateNew).ok()) {
      wanted.emplace_back(name);
    }
  }
  std::vector<std::string> listed;
  (void)ListFolder(probe, &listed);
  for (const std::string& name : listed) {
    (void)RemoveFileName(probe / PathFromUtf8(name));
  }
  (void)RemoveEmptyFolder(probe);
  std::sort(listed.begin(), listed.end());
  std::sort(wanted.begin(), wanted.end());
  return wanted.size() == names.size() && listed == wanted;
}

size_t CountOf(std::string_view text, std::string_view part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace docbase::testing
