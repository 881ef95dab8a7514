#include "platform/environment.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace docbase {

std::optional<std::string> EnvironmentValue(const std::string& name) {
  const std::wstring wide_name = WideFromUtf8(name);
  DWORD size = GetEnvironmentVariableW(wide_name.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  DWORD length = GetEnvironmentVariableW(wide_name.c_str(), value.data(), size);
  if (length >= size) return std::nullopt;  // changed in between
  value.resize(length);
  return Utf8FromWide(value);
}

}  // namespace docbase
