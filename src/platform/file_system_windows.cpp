#include "platform/file_system.h"

#include <windows.h>

#include <random>

#include "platform/path.h"
#include "platform/system_error.h"
#include "platform/wide_text.h"

namespace docbase {
namespace {

Status Done(BOOL result, const std::filesystem::path& path) {
  return result ? Status::Ok() : LastError(path);
}

// The attributes of what `path` names, through any links; false when it
// cannot be reached.
bool TargetAttributes(const std::filesystem::path& path, DWORD* attributes) {
  *attributes = GetFileAttributesW(path.c_str());
  if (*attributes == INVALID_FILE_ATTRIBUTES) return false;
  if ((*attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return true;
  // A link: opened through (backup semantics opens folders too).
  HANDLE handle = CreateFileW(
      path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information;
  const bool known = GetFileInformationByHandle(handle, &information) != 0;
  CloseHandle(handle);
  *attributes = information.dwFileAttributes;
  return known;
}

// Deletes the entry at `path` itself: a link is opened as a link (never
// what it points to) and goes when the handle closes.
Status DeleteEntryItself(const std::filesystem::path& path, bool folder) {
  DWORD flags = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_DELETE_ON_CLOSE;
  if (folder) flags |= FILE_FLAG_BACKUP_SEMANTICS;
  HANDLE handle = CreateFileW(
      path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return LastError(path);
  return Done(CloseHandle(handle), path);
}

}  // namespace

EntryKind KindOfEntry(const std::filesystem::path& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::kMissing;
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::kLink;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::kFolder;
  if (attributes & FILE_ATTRIBUTE_DEVICE) return EntryKind::kOther;
  return EntryKind::kFile;
}

bool IsFolder(const std::filesystem::path& path) {
  DWORD attributes = 0;
  return TargetAttributes(path, &attributes) &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::filesystem::path& path) {
  DWORD attributes = 0;
  return TargetAttributes(path, &attributes) &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

Status ListFolder(const std::filesystem::path& folder,
                  std::vector<std::string>* names) {
  names->clear();
  const std::filesystem::path pattern =
      (folder.empty() ? std::filesystem::path(L".") : folder) / L"*";
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    // An empty folder still has "." and ".."; none at all means no folder.
    return LastError(folder);
  }
  do {
    std::wstring_view name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    names->push_back(Utf8FromWide(std::wstring(name)));
  } while (FindNextFileW(search, &found));
  Status status =
      GetLastError() == ERROR_NO_MORE_FILES ? Status::Ok() : LastError(folder);
  FindClose(search);
  return status;
}

Status MakeFolder(const std::filesystem::path& path) {
  return Done(CreateDirectoryW(path.c_str(), nullptr), path);
}

Status RemoveEmptyFolder(const std::filesystem::path& path) {
  // RemoveDirectoryW would take a link to a folder away as well.
  if (KindOfEntry(path) == EntryKind::kLink) {
    return Status::IoError(Utf8FromPath(path), "a link, not a folder");
  }
  return Done(RemoveDirectoryW(path.c_str()), path);
}

Status RemoveLink(const std::filesystem::path& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastError(path);
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    return Status::IoError(Utf8FromPath(path), "not a link");
  }
  return DeleteEntryItself(path, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
}

Status RemoveFileName(const std::filesystem::path& path) {
  if (IsLink(path)) return RemoveLink(path);
  return Done(DeleteFileW(path.c_str()), path);
}

Status RenameReplacing(const std::filesystem::path& from,
                       const std::filesystem::path& to) {
  return Done(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING),
              from);
}

Status CopyFileReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to) {
  const std::string action = "cannot copy from " + Utf8FromPath(from);
  std::error_code error;
  if (std::filesystem::equivalent(from, to, error)) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return LastError(to).WithAction(action);
  }
  // A new file at the name: a link there is removed, never written through.
  if (Status removed = RemoveFileName(to);
      !removed.ok() && !removed.not_found()) {
    return removed.WithAction(action);
  }
  if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) {
    return LastError(to).WithAction(action);
  }
  return Status::Ok();
}

Status ChangeDirectory(const std::filesystem::path& folder) {
  return Done(SetCurrentDirectoryW(folder.c_str()), folder);
}

Status MakeTemporaryFolder(std::string_view name_part,
                           std::filesystem::path* made) {
  std::error_code error;
  std::filesystem::path base = std::filesystem::temp_directory_path(error);
  std::random_device random;
  std::filesystem::path folder;
  for (int attempt = 0; attempt < 100; ++attempt) {
    folder = base / PathFromUtf8(std::string(name_part) + "_" +
                                 std::to_string(random() % 1000000000u));
    if (CreateDirectoryW(folder.c_str(), nullptr)) {
      *made = folder;
      return Status::Ok();
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return LastError(folder);
}

NameRemover::NameRemover(const std::filesystem::path& folder)
    : folder_(folder) {}

NameRemover::~NameRemover() = default;

void NameRemover::Remove(const std::string& name) {
  std::filesystem::path path = PathFromUtf8(name);
  if (path.is_relative() && !folder_.empty()) path = folder_ / path;
  (void)RemoveFileName(path);
}

}  // namespace docbase
