#include "base/status.h"

namespace docbase {

std::string Status::ToString() const {
  if (ok()) return "ok";
  return "file " + path_ + ": " + reason_;
}

Status Status::WithAction(std::string_view action) const {
  if (ok()) return *this;
  std::string reason(action);
  if (!reason_.empty()) {
    reason += ": ";
    reason += reason_;
  }
  return Status(code_, path_, reason);
}

}  // namespace docbase
