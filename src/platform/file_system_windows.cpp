#include "platform/file_system.h"

#include <windows.h>

#include <random>

#include "platform/path.h"
#include "platform/system_error.h"
#include "platform/wide_text.h"

namespace docbase {

Status RenameNoReplace(const std::filesystem::path& from,
                       const std::filesystem::path& to) {
  // MoveFileExW without MOVEFILE_REPLACE_EXISTING never replaces.
  if (MoveFileExW(from.c_str(), to.c_str(), 0)) return Status::Ok();
  if (LastErrorIsDiskFailure()) {
    return SystemError(Utf8FromPath(to), "cannot rename " + Utf8FromPath(from));
  }
  return Status::Ok();
}

Status CopyFileReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to) {
  const std::string action = "cannot copy from " + Utf8FromPath(from);
  std::error_code error;
  if (std::filesystem::equivalent(from, to, error)) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return SystemError(Utf8FromPath(to), action);
  }
  // A new file at the name: a link there is removed, never written through.
  if (!RemoveFileName(to) && !LastErrorIsMissingFile()) {
    return SystemError(Utf8FromPath(to), action);
  }
  if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) {
    return SystemError(Utf8FromPath(to), action);
  }
  return Status::Ok();
}

bool IsLink(const std::filesystem::path& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

namespace {

// Deletes the entry at `path` itself: a link is opened as a link (never
// what it points to) and goes when the handle closes.
bool DeleteEntryItself(const std::filesystem::path& path, bool folder) {
  DWORD flags = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_DELETE_ON_CLOSE;
  if (folder) flags |= FILE_FLAG_BACKUP_SEMANTICS;
  HANDLE handle = CreateFileW(
      path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  return CloseHandle(handle) != 0;
}

}  // namespace

bool RemoveLink(const std::filesystem::path& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    return false;
  }
  return DeleteEntryItself(path, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
}

bool RemoveFileName(const std::filesystem::path& path) {
  if (IsLink(path)) return RemoveLink(path);
  return DeleteFileW(path.c_str()) != 0;
}

NameRemover::NameRemover(const std::filesystem::path& folder)
    : folder_(folder) {}

NameRemover::~NameRemover() = default;

void NameRemover::Remove(const std::string& name) {
  std::filesystem::path path = PathFromUtf8(name);
  if (path.is_relative() && !folder_.empty()) path = folder_ / path;
  (void)RemoveFileName(path);
}

bool ChangeDirectory(const std::string& folder, std::string* reason) {
  if (SetCurrentDirectoryW(WideFromUtf8(folder).c_str())) return true;
  *reason = LastSystemErrorText();
  return false;
}

std::filesystem::path MakeTemporaryFolder(std::string_view name_part,
                                          std::string* reason) {
  std::error_code error;
  std::filesystem::path base = std::filesystem::temp_directory_path(error);
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path folder =
        base / PathFromUtf8(std::string(name_part) + "_" +
                            std::to_string(random() % 1000000000u));
    if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  *reason = LastSystemErrorText();
  return {};
}

}  // namespace docbase
