#include "workarea/wildcard.h"

#include "base/text.h"

namespace docbase {

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") return true;
  if (pattern == "*.") return name.find('.') == std::string_view::npos;
  // Iterative glob with one backtrack point: linear in practice and never
  // exponential on hostile names.
  size_t n = 0, p = 0;
  size_t star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() &&
        (pattern[p] == '?' ||
         (pattern[p] != '*' &&
          ToLowerAscii(pattern[p]) == ToLowerAscii(name[n])))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace docbase
