// An exclusive lock on a file, held by this process until it is released or
// the process ends (the system drops it then, so a lock file left behind by
// a killed process is simply taken over). Taking it never waits.
#pragma once

#include <cstdint>
#include <filesystem>

namespace docbase {

class LockFile {
 public:
  enum class Outcome {
    kTaken,   // held by this process now
    kBusy,    // another process holds it
    kCannotCreate,  // the file could not be made: SystemError says why
    kCannotLock,    // the file could not be locked: SystemError says why
  };

  LockFile() = default;
  ~LockFile() { Release(); }
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;

  // Makes the file at `path` when it is missing and locks it.
  Outcome Take(const std::filesystem::path& path);
  bool held() const { return handle_ != kNone; }

  // Removes the file, then drops the lock: nobody can take over a name that
  // is gone. Does nothing when not held.
  void Release();

 private:
  static constexpr intptr_t kNone = -1;
  intptr_t handle_ = kNone;
  std::filesystem::path path_;
};

}  // namespace docbase
