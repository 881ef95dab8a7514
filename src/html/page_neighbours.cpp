#include "html/page_neighbours.h"

#include "base/text.h"

namespace docbase {

PageNeighbours::PageNeighbours(const std::vector<std::string>& pages) {
  for (const std::string& page : pages) {
    position_.try_emplace(ToLowerAscii(page), pages_.size());
    pages_.push_back(ToLowerAscii(page));
  }
}

PageNeighbours::Neighbours PageNeighbours::Find(std::string_view page) const {
  Neighbours found;
  auto it = position_.find(ToLowerAscii(page));
  if (it == position_.end()) return found;
  const size_t index = it->second;
  if (index > 0) {
    found.previous = pages_[index - 1];
    found.has_previous = true;
  }
  if (index + 1 < pages_.size()) {
    found.next = pages_[index + 1];
    found.has_next = true;
  }
  return found;
}

}  // namespace docbase
