#include "common/test_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/file_system.h"

namespace docbase::testing {

TempFolder::TempFolder(std::string_view name_part) {
  std::string reason;
  path_ = MakeTemporaryFolder(name_part, &reason);
  if (path_.empty()) {
    // Going on with an empty path would point the test at the folder it
    // runs in, where a clean-up deletes files.
    std::fprintf(stderr, "cannot make a temporary folder: %s\n",
                 reason.c_str());
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
