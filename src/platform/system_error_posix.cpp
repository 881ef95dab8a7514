#include "platform/system_error.h"

#include <cerrno>
#include <cstring>

namespace docbase {

Status SystemError(std::string_view path, std::string_view action) {
  int error = errno;
  std::string reason(action);
  if (error != 0) {
    reason += ": ";
    reason += std::strerror(error);
  }
  return Status::IoError(path, reason);
}

std::string LastSystemErrorText() { return std::strerror(errno); }

bool LastErrorIsMissingFile() { return errno == ENOENT || errno == ENOTDIR; }

bool LastErrorIsDiskFailure() {
  return errno == ENOSPC || errno == EDQUOT || errno == EROFS || errno == EIO;
}

void SetDiskFullError() { errno = ENOSPC; }

}  // namespace docbase
