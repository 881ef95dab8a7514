#include "platform/environment.h"

#include <stdlib.h>

namespace docbase {

std::optional<std::string> EnvironmentValue(const std::string& name) {
  const char* value = ::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace docbase
