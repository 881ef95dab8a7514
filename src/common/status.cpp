#include "common/status.h"

#include <cerrno>
#include <cstring>

namespace docbase {

Status Status::FromErrno(std::string_view path, std::string_view action) {
  int error = errno;
  std::string reason(action);
  if (error != 0) {
    reason += ": ";
    reason += std::strerror(error);
  }
  return IoError(path, reason);
}

std::string Status::ToString() const {
  switch (code_) {
    case Code::kOk:
      return "ok";
    case Code::kRunEnded:
      return "run ended";
    case Code::kIoError:
      return "file " + path_ + ": " + reason_;
  }
  return "unknown";
}

}  // namespace docbase
