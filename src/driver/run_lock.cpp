#include "driver/run_lock.h"
#include "workarea/file_names.h"

namespace docbase {

Status RunLock::Acquire(const std::filesystem::path& path) {
  Status taken = file_.Take(path);
  // Held by another run: the caller sees held() false.
  if (taken.busy()) return Status::Ok();
  return taken;
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
