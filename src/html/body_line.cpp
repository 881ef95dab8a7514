#include "html/body_line.h"

#include <string>

#include "base/text.h"

namespace docbase {

bool IsBodyLine(std::string_view line) {
  const std::string lower = ToLowerAscii(line);
  const std::string_view text = lower;
  // 0-based positions; `before` is the byte right before "body".
  const size_t body = text.find("body");
  const size_t first_open = text.find('<');
  if (body == std::string_view::npos || first_open == std::string_view::npos ||
      first_open >= body) {
    return false;
  }
  const size_t before = body - 1;  // exists: first_open < body
  if (text[before] == '<') return true;
  if (text.find('<', before) != std::string_view::npos) return false;
  // A "<" lies before `before` (first_open < before), so this finds one.
  const size_t last_open = text.rfind('<', before);
  for (size_t i = last_open + 1; i < body; ++i) {
    if (text[i] != ' ') return false;
  }
  return true;
}

}  // namespace docbase
