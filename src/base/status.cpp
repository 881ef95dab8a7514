#include "base/status.h"

namespace docbase {

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
