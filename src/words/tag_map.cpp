#include "words/tag_map.h"

namespace docbase {

void BuildTagMap(std::string_view line, bool* continuation,
                 std::vector<Tag>* tags) {
  tags->clear();
  size_t search_from = 0;  // 0-based index of the first byte not yet searched
  if (*continuation) {
    size_t close = line.find('>');
    if (close == std::string_view::npos) {
      // The whole line is still inside the open tag.
      if (!line.empty()) tags->push_back({1, line.size()});
      return;
    }
    tags->push_back({1, close + 1});
    search_from = close + 1;
    *continuation = false;
  }
  for (;;) {
    size_t open = line.find('<', search_from);
    if (open == std::string_view::npos) return;
    size_t close = line.find('>', open + 1);
    if (close == std::string_view::npos) {
      tags->push_back({open + 1, line.size()});
      *continuation = true;
      return;
    }
    tags->push_back({open + 1, close + 1});
    search_from = close + 1;
  }
}

}  // namespace docbase
