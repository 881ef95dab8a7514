// The environment variables of this process, read through the layer like
// every other question to the system.
#pragma once

#include <optional>
#include <string>

namespace docbase {

// The value of `name`, or nothing when it is not set.
std::optional<std::string> EnvironmentValue(const std::string& name);

}  // namespace docbase
