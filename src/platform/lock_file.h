// An exclusive lock on a file, held by this process until it is released or
// the process ends (the system drops it then, so a lock file left behind by
// a killed process is simply taken over). Taking it never waits.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/status.h"

namespace docbase {

class LockFile {
 public:
  // `name` says what the lock is, for the failure of making its file
  // ("cannot create the run lock: ...").
  explicit LockFile(std::string_view name) : name_(name) {}
  ~LockFile() { Release(); }
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;

  // Makes the file at `path` when it is missing and locks it: ok when this
  // process holds it now, Busy when another process holds it, else an I/O
  // error naming `path` ("cannot create <name>: ..." or "cannot lock: ...").
  Status Take(const std::filesystem::path& path);
  bool held() const { return handle_ != kNone; }

  // Removes the file, then drops the lock: nobody can take over a name that
  // is gone. Does nothing when not held.
  void Release();

 private:
  static constexpr intptr_t kNone = -1;
  intptr_t handle_ = kNone;
  std::filesystem::path path_;
  std::string name_;
};

}  // namespace docbase
