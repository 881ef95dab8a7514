// UTF-8 and the UTF-16 text of the Windows calls. Used only by the Windows
// sources of the platform layer.
#pragma once

#include <string>
#include <string_view>

namespace docbase {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace docbase
