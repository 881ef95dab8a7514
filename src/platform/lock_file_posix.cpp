#include "platform/lock_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/path.h"
#include "platform/system_error.h"

namespace docbase {
namespace {

// Whether `fd` is still the file named `path`: a holder that ends removes
// the file before it drops the lock, so this process may have locked a file
// that no longer has the name, while another made and locked a new one.
bool StillNamed(int fd, const std::filesystem::path& path) {
  struct stat open_file;
  struct stat named_file;
  if (::fstat(fd, &open_file) != 0) return false;
  if (::stat(path.c_str(), &named_file) != 0) return false;
  return open_file.st_dev == named_file.st_dev &&
         open_file.st_ino == named_file.st_ino;
}

}  // namespace

Status LockFile::Take(const std::filesystem::path& path) {
  Release();
  // A few attempts cover the moment in which the holder removes the file.
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Read-only: flock needs no write access, and a file held open for
    // writing would keep the file system from being remounted read-only.
    int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                    0644);
    if (fd < 0 && errno == ELOOP) {
      // A link at the name: removed, so that nothing is made through it.
      ::unlink(path.c_str());
      continue;
    }
    if (fd < 0) return LastError(path).WithAction("cannot create " + name_);
    int locked;
    do {
      locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
      Status failure = errno == EWOULDBLOCK
                           ? Status::Busy(Utf8FromPath(path), "held by another")
                           : LastError(path).WithAction("cannot lock");
      ::close(fd);
      return failure;
    }
    if (StillNamed(fd, path)) {
      handle_ = fd;
      path_ = path;
      return Status::Ok();
    }
    ::close(fd);
  }
  errno = EAGAIN;
  return LastError(path).WithAction("cannot lock");
}

void LockFile::Release() {
  if (handle_ == kNone) return;
  ::unlink(path_.c_str());
  ::close(static_cast<int>(handle_));
  handle_ = kNone;
}

}  // namespace docbase
