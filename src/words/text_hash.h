// TextHash hashes std::string and std::string_view alike, so that a map
// keyed by std::string can be searched with a view of a line, without
// copying the text first:
//   std::unordered_map<std::string, V, TextHash, std::equal_to<>>
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace docbase {

struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>()(text);
  }
};

}  // namespace docbase
