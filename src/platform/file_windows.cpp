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
Status WriteAll(HANDLE handle, const std::filesystem::path& path,
                const void* data, size_t size, const uint64_t* offset) {
  const char* next = static_cast<const char*>(data);
  uint64_t at = offset ? *offset : 0;
  while (size > 0) {
    OVERLAPPED place = PlaceAt(at);
    DWORD put = 0;
    DWORD piece = static_cast<DWORD>(size < kMaxPiece ? size : kMaxPiece);
    if (!WriteFile(handle, next, piece, &put, offset ? &place : nullptr)) {
      return LastError(path);
    }
    if (put == 0) {
      SetDiskFullError();
      return LastError(path);
    }
    next += put;
    size -= put;
    at += put;
  }
  return Status::Ok();
}

}  // namespace

Status File::Open(const std::filesystem::path& path, Mode mode) {
  (void)Close();
  path_ = path;
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
  if (handle == INVALID_HANDLE_VALUE) return LastError(path);
  handle_ = reinterpret_cast<intptr_t>(handle);
  return Status::Ok();
}

Status File::Read(void* data, size_t size, size_t* got) {
  *got = 0;
  DWORD read = 0;
  if (!ReadFile(AsHandle(handle_), data,
                static_cast<DWORD>(size < kMaxPiece ? size : kMaxPiece), &read,
                nullptr)) {
    // The writer of a pipe has gone: the end of the input.
    if (GetLastError() == ERROR_BROKEN_PIPE) return Status::Ok();
    return LastError(path_);
  }
  *got = read;
  return Status::Ok();
}

Status File::Write(const void* data, size_t size) {
  return WriteAll(AsHandle(handle_), path_, data, size, nullptr);
}

Status File::ReadAt(uint64_t offset, void* data, size_t size,
                    size_t* got) const {
  char* next = static_cast<char*>(data);
  *got = 0;
  while (size > 0) {
    OVERLAPPED at = PlaceAt(offset);
    DWORD read = 0;
    DWORD piece = static_cast<DWORD>(size < kMaxPiece ? size : kMaxPiece);
    if (!ReadFile(AsHandle(handle_), next, piece, &read, &at)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      return LastError(path_);
    }
    if (read == 0) break;
    next += read;
    size -= read;
    offset += read;
    *got += read;
  }
  return Status::Ok();
}

Status File::WriteAt(uint64_t offset, const void* data, size_t size) const {
  return WriteAll(AsHandle(handle_), path_, data, size, &offset);
}

Status File::Size(uint64_t* size) const {
  LARGE_INTEGER bytes;
  if (!GetFileSizeEx(AsHandle(handle_), &bytes)) return LastError(path_);
  *size = static_cast<uint64_t>(bytes.QuadPart);
  return Status::Ok();
}

Status File::Truncate() {
  LARGE_INTEGER start{};
  if (!SetFilePointerEx(AsHandle(handle_), start, nullptr, FILE_BEGIN) ||
      !SetEndOfFile(AsHandle(handle_))) {
    return LastError(path_);
  }
  return Status::Ok();
}

Status File::Close() {
  if (handle_ == kClosed) return Status::Ok();
  if (!CloseHandle(AsHandle(std::exchange(handle_, kClosed)))) {
    return LastError(path_);
  }
  return Status::Ok();
}

}  // namespace docbase
