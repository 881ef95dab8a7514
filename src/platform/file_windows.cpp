#include "platform/file.h"

#include <windows.h>

#include <utility>

#include "platform/system_error.h"

namespace docbase {
namespace {

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Reads and writes go in pieces a DWORD can count.
constexpr size_t kMaxPiece = 1u << 30;

// The place `offset` of a file, for a positional read or write.
OVERLAPPED PlaceAt(uint64_t offset) {
  OVERLAPPED place{};
  place.Offset = static_cast<DWORD>(offset);
  place.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return place;
}

// All `size` bytes, at the current place or, with `offset`, there. A write
// that the system takes without storing anything counts as a full disk.
bool WriteAll(HANDLE handle, const void* data, size_t size,
              const uint64_t* offset) {
  const char* next = static_cast<const char*>(data);
  uint64_t at = offset ? *offset : 0;
  while (size > 0) {
    OVERLAPPED place = PlaceAt(at);
    DWORD put = 0;
    DWORD piece = static_cast<DWORD>(size < kMaxPiece ? size : kMaxPiece);
    if (!WriteFile(handle, next, piece, &put, offset ? &place : nullptr)) {
      return false;
    }
    if (put == 0) {
      SetDiskFullError();
      return false;
    }
    next += put;
    size -= put;
    at += put;
  }
  return true;
}

}  // namespace

bool File::Open(const std::filesystem::path& path, Mode mode) {
  (void)Close();
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  switch (mode) {
    case Mode::kRead:
      break;
    case Mode::kReadWrite:
      access = GENERIC_READ | GENERIC_WRITE;
      break;
    case Mode::kWriteTruncate:
      access = GENERIC_WRITE;
      disposition = CREATE_ALWAYS;
      break;
    case Mode::kWriteAppend:
      access = FILE_APPEND_DATA;
      disposition = OPEN_ALWAYS;
      break;
    case Mode::kCreateNew:
      access = GENERIC_READ | GENERIC_WRITE;
      disposition = CREATE_NEW;
      break;
  }
  // Shared like a POSIX file: others may read, write, rename or delete it.
  // A new file is made at the name itself, never through a link there.
  DWORD flags = FILE_ATTRIBUTE_NORMAL;
  if (mode == Mode::kCreateNew) flags |= FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE handle = CreateFileW(
      path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, disposition, flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<intptr_t>(handle);
  return true;
}

int64_t File::Read(void* data, size_t size) {
  DWORD got = 0;
  if (!ReadFile(AsHandle(handle_), data,
                static_cast<DWORD>(size < kMaxPiece ? size : kMaxPiece), &got,
                nullptr)) {
    return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
  }
  return got;
}

bool File::Write(const void* data, size_t size) {
  return WriteAll(AsHandle(handle_), data, size, nullptr);
}

int64_t File::ReadAt(uint64_t offset, void* data, size_t size) const {
  char* next = static_cast<char*>(data);
  int64_t total = 0;
  while (size > 0) {
    OVERLAPPED at = PlaceAt(offset);
    DWORD got = 0;
    DWORD piece = static_cast<DWORD>(size < kMaxPiece ? size : kMaxPiece);
    if (!ReadFile(AsHandle(handle_), next, piece, &got, &at)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      return -1;
    }
    if (got == 0) break;
    next += got;
    size -= got;
    offset += got;
    total += got;
  }
  return total;
}

bool File::WriteAt(uint64_t offset, const void* data, size_t size) const {
  return WriteAll(AsHandle(handle_), data, size, &offset);
}

bool File::Size(uint64_t* size) const {
  LARGE_INTEGER bytes;
  if (!GetFileSizeEx(AsHandle(handle_), &bytes)) return false;
  *size = static_cast<uint64_t>(bytes.QuadPart);
  return true;
}

bool File::Truncate() {
  LARGE_INTEGER start{};
  return SetFilePointerEx(AsHandle(handle_), start, nullptr, FILE_BEGIN) &&
         SetEndOfFile(AsHandle(handle_));
}

bool File::Close() {
  if (handle_ == kClosed) return true;
  return CloseHandle(AsHandle(std::exchange(handle_, kClosed))) != 0;
}

}  // namespace docbase
