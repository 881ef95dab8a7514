// Setting and removing environment variables of this process (the standard
// library only reads them).
#pragma once

#include <string>

namespace docbase {

void SetEnvironmentValue(const std::string& name, const std::string& value);
void RemoveEnvironmentValue(const std::string& name);

}  // namespace docbase
