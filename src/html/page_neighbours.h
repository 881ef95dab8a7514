// The neighbours of an annotated page: the previous and the next page that
// hold indexed words, in the byte-ordered list of all such pages, which the
// navigation bars of both layouts link to.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace docbase {

class PageNeighbours {
 public:
  struct Neighbours {
    std::string_view previous;  // lower case; empty when !has_previous
    std::string_view next;      // lower case; empty when !has_next
    bool has_previous = false;
    bool has_next = false;
  };

  // `pages`: the names of the pages that hold words, in byte order.
  explicit PageNeighbours(const std::vector<std::string>& pages);

  // The lines around `page` in the list, letter case ignored; none when
  // the page is not listed. The views live as long as this object.
  Neighbours Find(std::string_view page) const;

 private:
  std::vector<std::string> pages_;  // lower-cased, in list order
  std::unordered_map<std::string, size_t> position_;  // first listing wins
};

}  // namespace docbase
