#include "platform/lock_file.h"

#include <windows.h>

#include "platform/path.h"
#include "platform/system_error.h"

namespace docbase {

Status LockFile::Take(const std::filesystem::path& path) {
  Release();
  // A few attempts cover the moment in which the holder removes the file
  // (a name being deleted cannot be opened).
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE handle = CreateFileW(
        path.c_str(), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
        nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      if (GetLastError() != ERROR_ACCESS_DENIED) {
        return LastError(path).WithAction("cannot create " + name_);
      }
      Sleep(10);
      continue;
    }
    OVERLAPPED whole{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY,
                    0, 1, 0, &whole)) {
      Status failure = GetLastError() == ERROR_LOCK_VIOLATION
                           ? Status::Busy(Utf8FromPath(path), "held by another")
                           : LastError(path).WithAction("cannot lock");
      CloseHandle(handle);
      return failure;
    }
    handle_ = reinterpret_cast<intptr_t>(handle);
    path_ = path;
    return Status::Ok();
  }
  return LastError(path).WithAction("cannot create " + name_);
}

void LockFile::Release() {
  if (handle_ == kNone) return;
  DeleteFileW(path_.c_str());
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = kNone;
}

}  // namespace docbase
