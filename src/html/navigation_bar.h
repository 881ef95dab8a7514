// The navigation bar of an annotated page: links to the previous and the
// next page that hold indexed words and to the contents page, the
// neighbours in the byte-ordered list of all such pages.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/line_writer.h"

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

// Every bar ends its Next link with a blank, except the bottom bar of a
// page that is finished because the next record is on another page.
enum class NextLinkEnd { kTrailingBlank, kNoTrailingBlank };

// "<br>", then "<a href="PREVIOUS"> Before </a> " (if any), the Next link
// (if any), and "<a href="files_list.htm"> Content </a><br>", one line each.
void WriteNavigationBar(LineWriter& out,
                        const PageNeighbours::Neighbours& neighbours,
                        NextLinkEnd next_end);

}  // namespace docbase
