#include "driver/run_lock.h"
#include "workarea/file_names.h"

#include "platform/path.h"
#include "platform/system_error.h"

namespace docbase {

Status RunLock::Acquire(const std::filesystem::path& path) {
  switch (file_.Take(path)) {
    case LockFile::Outcome::kTaken:
    case LockFile::Outcome::kBusy:
      return Status::Ok();
    case LockFile::Outcome::kCannotCreate:
      return SystemError(Utf8FromPath(path), "cannot create the run lock");
    case LockFile::Outcome::kCannotLock:
      break;
  }
  return SystemError(Utf8FromPath(path), "cannot lock");
}

void ReportRunInProgress(Console& console) {
  console.Line();
  console.Line("============================================");
  console.Line("Another docbase run is working in this folder.");
  console.Line("Wait until it has ended, then start again.");
  console.Line("lock:   " + std::string(RunLockFile()));
  console.Line("============================================");
}

}  // namespace docbase
