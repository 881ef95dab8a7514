#include "driver/run_lock.h"
#include "workarea/file_names.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace docbase {
namespace {

// Whether `fd` is still the file named `path`: a run that ends removes the
// file before it drops the lock, so a second run may have locked a file
// that no longer has the name, while a third made and locked a new one.
bool StillNamed(int fd, const std::filesystem::path& path) {
  struct stat open_file;
  struct stat named_file;
  if (::fstat(fd, &open_file) != 0) return false;
  if (::stat(path.c_str(), &named_file) != 0) return false;
  return open_file.st_dev == named_file.st_dev &&
         open_file.st_ino == named_file.st_ino;
}

}  // namespace

Status RunLock::Acquire(const std::filesystem::path& path) {
  Release();
  const std::string name = path.string();
  // A few attempts cover the window in which the holder removes the file.
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Read-only: flock needs no write access, and a file held open for
    // writing would keep the file system from being remounted read-only.
    int fd = ::open(name.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Status::FromErrno(name, "cannot create the run lock");
    int locked;
    do {
      locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
      bool busy = errno == EWOULDBLOCK;
      Status error = Status::FromErrno(name, "cannot lock");
      ::close(fd);
      if (busy) return Status::Ok();
      return error;
    }
    if (StillNamed(fd, path)) {
      fd_ = fd;
      path_ = path;
      return Status::Ok();
    }
    ::close(fd);
  }
  return Status::IoError(name, "cannot lock: the lock file keeps changing");
}

void RunLock::Release() {
  if (fd_ < 0) return;
  // Remove first, then unlock: nobody can take over a name that is gone.
  ::unlink(path_.c_str());
  ::close(fd_);
  fd_ = -1;
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
