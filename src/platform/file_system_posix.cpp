#include "platform/file_system.h"

#include <fcntl.h>
#include <stdio.h>  // renameat2 (Linux), renamex_np (macOS)
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/file.h"
#include "platform/system_error.h"

namespace docbase {
namespace {

// A rename that fails when the target exists, in one call where the system
// has one; elsewhere a hard link and the removal of the old name do the
// same for files.
int RenameExclusive(const char* from, const char* to) {
#if defined(__linux__) && defined(RENAME_NOREPLACE)
  int done = renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
  if (done == 0 || (errno != EINVAL && errno != ENOSYS)) return done;
#elif defined(__APPLE__)
  int done = renamex_np(from, to, RENAME_EXCL);
  if (done == 0 || (errno != ENOTSUP && errno != EINVAL)) return done;
#endif
  if (::link(from, to) == 0) return ::unlink(from);
  if (errno == EEXIST) return -1;
  // No hard links here (or a folder): test, then rename.
  struct stat info;
  if (::lstat(to, &info) == 0) {
    errno = EEXIST;
    return -1;
  }
  return ::rename(from, to);
}

}  // namespace

Status RenameNoReplace(const std::filesystem::path& from,
                       const std::filesystem::path& to) {
  if (RenameExclusive(from.c_str(), to.c_str()) == 0) return Status::Ok();
  if (LastErrorIsDiskFailure()) {
    return SystemError(to.native(), "cannot rename " + from.native());
  }
  return Status::Ok();
}

Status CopyFileReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to) {
  const std::string action = "cannot copy from " + from.native();
  File in;
  struct stat source_info;
  if (!in.Open(from, File::Mode::kRead) ||
      ::fstat(static_cast<int>(in.native_handle()), &source_info) != 0) {
    return SystemError(to.native(), action);
  }
  struct stat target_info;
  if (::stat(to.c_str(), &target_info) == 0 &&
      target_info.st_dev == source_info.st_dev &&
      target_info.st_ino == source_info.st_ino) {
    errno = EEXIST;
    return SystemError(to.native(), action);
  }
  const mode_t mode = source_info.st_mode & 07777;
  if (::unlink(to.c_str()) != 0 && errno != ENOENT) {
    return SystemError(to.native(), action);
  }
  File out = File::Adopt(::open(
      to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  if (!out.is_open() || ::fchmod(static_cast<int>(out.native_handle()), mode) != 0) {
    return SystemError(to.native(), action);
  }
  std::vector<char> buffer(1 << 18);
  for (;;) {
    int64_t got = in.Read(buffer.data(), buffer.size());
    if (got < 0) return SystemError(to.native(), action);
    if (got == 0) break;
    if (!out.Write(buffer.data(), static_cast<size_t>(got))) {
      return SystemError(to.native(), action);
    }
  }
  if (!out.Close()) return SystemError(to.native(), action);
  return Status::Ok();
}

bool IsLink(const std::filesystem::path& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool RemoveLink(const std::filesystem::path& path) {
  return IsLink(path) && ::unlink(path.c_str()) == 0;
}

bool RemoveFileName(const std::filesystem::path& path) {
  return ::unlink(path.c_str()) == 0;
}

NameRemover::NameRemover(const std::filesystem::path& folder)
    : folder_(folder),
      descriptor_(::open(folder.empty() ? "." : folder.c_str(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}

NameRemover::~NameRemover() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

void NameRemover::Remove(const std::string& name) {
  // A folder gives EISDIR and stays.
  if (descriptor_ >= 0) {
    (void)::unlinkat(descriptor_, name.c_str(), 0);
  } else {
    (void)::unlink((folder_ / name).c_str());
  }
}

bool ChangeDirectory(const std::string& folder, std::string* reason) {
  if (::chdir(folder.c_str()) == 0) return true;
  *reason = std::strerror(errno);
  return false;
}

std::filesystem::path MakeTemporaryFolder(std::string_view name_part,
                                          std::string* reason) {
  std::error_code error;
  std::string pattern =
      (std::filesystem::temp_directory_path(error) / std::string(name_part))
          .native() +
      "_XXXXXX";
  char* made = ::mkdtemp(pattern.data());
  if (made == nullptr) {
    *reason = pattern + ": " + std::strerror(errno);
    return {};
  }
  return made;
}

}  // namespace docbase
