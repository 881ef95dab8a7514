#include "common/test_support.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

namespace docbase::testing {

TempFolder::TempFolder(std::string_view name_part) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / std::string(name_part))
          .string() +
      "_XXXXXX";
  char* made = mkdtemp(pattern.data());
  if (made == nullptr) {
    // Going on with an empty path would point the test at the folder it
    // runs in, where a clean-up deletes files.
    std::fprintf(stderr, "cannot make a temporary folder %s: %s\n",
                 pattern.c_str(), std::strerror(errno));
    std::abort();
  }
  path_ = made;
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
