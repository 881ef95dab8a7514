// The run lock keeps two runs from working in the same program directory at
// once (the second would delete the first one's files under it). A run
// takes an exclusive lock on the file .docbase.lock in the program
// directory before it touches anything else, and removes the file when it
// ends. The system drops the lock when the process dies, so a lock file left
// behind by a killed run is simply taken over by the next run.
//
// The file name is one that no clean-up step of a run deletes: it has none
// of the extensions .txt, .list or .htm*, and it has a dot, so the listings
// of extensionless names (folder tests) do not show it.
#pragma once

#include <filesystem>
#include <string_view>

#include "base/status.h"
#include "driver/console.h"
#include "platform/lock_file.h"

namespace docbase {

class RunLock {
 public:
  RunLock() : file_("the run lock") {}
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // Tries to take the lock on the file at `path` without waiting. Ok with
  // held() true when it is taken, ok with held() false when another run
  // holds it, or an I/O error when the lock file cannot be made or locked.
  Status Acquire(const std::filesystem::path& path);
  bool held() const { return file_.held(); }

  // Removes the lock file and drops the lock; does nothing when not held.
  void Release() { file_.Release(); }

 private:
  LockFile file_;
};

// The framed message for a start while another run holds the lock.
void ReportRunInProgress(Console& console);

}  // namespace docbase
