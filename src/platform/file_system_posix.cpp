#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/file.h"
#include "platform/path.h"
#include "platform/system_error.h"

namespace docbase {
namespace {

Status Done(int result, const std::filesystem::path& path) {
  return result == 0 ? Status::Ok() : LastError(path);
}

}  // namespace

EntryKind KindOfEntry(const std::filesystem::path& path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return EntryKind::kMissing;
  if (S_ISLNK(info.st_mode)) return EntryKind::kLink;
  if (S_ISDIR(info.st_mode)) return EntryKind::kFolder;
  if (S_ISREG(info.st_mode)) return EntryKind::kFile;
  return EntryKind::kOther;
}

bool IsFolder(const std::filesystem::path& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::filesystem::path& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Status ListFolder(const std::filesystem::path& folder,
                  std::vector<std::string>* names) {
  names->clear();
  DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return LastError(folder);
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(listing);
    if (entry == nullptr) break;
    std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    names->emplace_back(name);
  }
  Status status = errno == 0 ? Status::Ok() : LastError(folder);
  ::closedir(listing);
  return status;
}

Status MakeFolder(const std::filesystem::path& path) {
  return Done(::mkdir(path.c_str(), 0777), path);
}

Status RemoveEmptyFolder(const std::filesystem::path& path) {
  // rmdir refuses a link itself (ENOTDIR), so nothing is removed through one.
  return Done(::rmdir(path.c_str()), path);
}

Status RemoveFileName(const std::filesystem::path& path) {
  return Done(::unlink(path.c_str()), path);
}

Status RemoveLink(const std::filesystem::path& path) {
  if (!IsLink(path)) return Status::IoError(Utf8FromPath(path), "not a link");
  return RemoveFileName(path);
}

Status RenameReplacing(const std::filesystem::path& from,
                       const std::filesystem::path& to) {
  return Done(::rename(from.c_str(), to.c_str()), from);
}

namespace {

// The copy, every failure naming `to`.
Status CopyBytes(const std::filesystem::path& from,
                 const std::filesystem::path& to) {
  File in;
  struct stat source_info;
  if (Status opened = in.Open(from, File::Mode::kRead); !opened.ok()) {
    return Status::IoError(Utf8FromPath(to), opened.reason());
  }
  if (::fstat(static_cast<int>(in.native_handle()), &source_info) != 0) {
    return LastError(to);
  }
  struct stat target_info;
  if (::stat(to.c_str(), &target_info) == 0 &&
      target_info.st_dev == source_info.st_dev &&
      target_info.st_ino == source_info.st_ino) {
    errno = EEXIST;
    return LastError(to);
  }
  const mode_t mode = source_info.st_mode & 07777;
  if (::unlink(to.c_str()) != 0 && errno != ENOENT) return LastError(to);
  File out = File::Adopt(
      ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
             mode),
      to);
  if (!out.is_open() ||
      ::fchmod(static_cast<int>(out.native_handle()), mode) != 0) {
    return LastError(to);
  }
  std::vector<char> buffer(1 << 18);
  for (;;) {
    size_t got = 0;
    if (Status read = in.Read(buffer.data(), buffer.size(), &got); !read.ok()) {
      return Status::IoError(Utf8FromPath(to), read.reason());
    }
    if (got == 0) break;
    DOCBASE_RETURN_IF_ERROR(out.Write(buffer.data(), got));
  }
  return out.Close();
}

}  // namespace

Status CopyFileReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to) {
  return CopyBytes(from, to).WithAction("cannot copy from " +
                                        Utf8FromPath(from));
}

Status ChangeDirectory(const std::filesystem::path& folder) {
  return Done(::chdir(folder.c_str()), folder);
}

Status MakeTemporaryFolder(std::string_view name_part,
                           std::filesystem::path* made) {
  std::error_code error;
  std::string pattern =
      (std::filesystem::temp_directory_path(error) / std::string(name_part))
          .native() +
      "_XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return LastError(pattern);
  *made = pattern;
  return Status::Ok();
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

}  // namespace docbase
