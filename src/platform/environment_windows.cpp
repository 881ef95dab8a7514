#include "platform/environment.h"

#include <stdlib.h>

namespace docbase {

void SetEnvironmentValue(const std::string& name, const std::string& value) {
  _putenv_s(name.c_str(), value.c_str());
}

void RemoveEnvironmentValue(const std::string& name) {
  _putenv_s(name.c_str(), "");  // an empty value removes the variable
}

}  // namespace docbase
