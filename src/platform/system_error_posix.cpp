#include "platform/system_error.h"

#include <cerrno>
#include <cstring>

#include "platform/path.h"

namespace docbase {

Status LastError(const std::filesystem::path& path) {
  const bool missing = LastErrorIsMissingFile();
  const std::string reason = LastSystemErrorText();
  return missing ? Status::NotFound(Utf8FromPath(path), reason)
                 : Status::IoError(Utf8FromPath(path), reason);
}

std::string LastSystemErrorText() { return std::strerror(errno); }

bool LastErrorIsMissingFile() { return errno == ENOENT || errno == ENOTDIR; }

bool LastErrorIsDiskFailure() {
  return errno == ENOSPC || errno == EDQUOT || errno == EROFS || errno == EIO;
}

void SetDiskFullError() { errno = ENOSPC; }

}  // namespace docbase
