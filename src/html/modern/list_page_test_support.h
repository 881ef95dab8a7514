// What the tests of the modern list pages share (included by tests only):
// the part of a page between "<main>" and "</main>", where its entries
// stand, so that a test states the entries and not the page's top.
#pragma once

#include <string>

namespace docbase {

inline std::string MainOf(const std::string& page) {
  const size_t start = page.find("<main>\r\n");
  const size_t end = page.find("</main>");
  if (start == std::string::npos || end == std::string::npos || end < start) {
    return "(no main in: " + page + ")";
  }
  return page.substr(start + 8, end - start - 8);
}

}  // namespace docbase
