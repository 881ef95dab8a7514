#include "platform/system_error.h"

#include <windows.h>

#include "platform/path.h"
#include "platform/wide_text.h"

namespace docbase {

std::string LastSystemErrorText() {
  DWORD error = GetLastError();
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
          FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message;
  if (length > 0 && text != nullptr) message = Utf8FromWide(text);
  if (text != nullptr) LocalFree(text);
  // The system's texts end in a full stop and a line end.
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  if (message.empty()) message = "system error " + std::to_string(error);
  SetLastError(error);
  return message;
}

Status LastError(const std::filesystem::path& path) {
  const bool missing = LastErrorIsMissingFile();
  const std::string reason = LastSystemErrorText();
  return missing ? Status::NotFound(Utf8FromPath(path), reason)
                 : Status::IoError(Utf8FromPath(path), reason);
}

bool LastErrorIsMissingFile() {
  DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool LastErrorIsDiskFailure() {
  DWORD error = GetLastError();
  return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL ||
         error == ERROR_WRITE_PROTECT || error == ERROR_NOT_READY ||
         error == ERROR_CRC || error == ERROR_IO_DEVICE;
}

void SetDiskFullError() { SetLastError(ERROR_DISK_FULL); }

}  // namespace docbase
