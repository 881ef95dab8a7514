// Pages for tests, given as the page set gives the pages of htm_in: each
// page's bytes are written into the input page folder, and the numbered
// page is their cleaned form, made as it is read (so every line of it
// begins with "<br>", outside tables). Included by tests only.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/test_support.h"
#include "pages/page_origin.h"
#include "workarea/file_names.h"
#include "workarea/work_area.h"

namespace docbase::testing {

// Numbered page `name` made from the input page `bytes`.
inline NumberedPage InputPage(const WorkArea& area, std::string_view name,
                              std::string_view bytes) {
  std::filesystem::create_directories(area.Path(InputPageFolder()));
  NumberedPage page;
  page.name = name;
  page.origin.kind = PageOrigin::Kind::kCleanedFile;
  page.origin.from = area.Path(InFolder(InputPageFolder(), name));
  WriteFile(page.origin.from, bytes);
  return page;
}

// Numbered page `name` made from the text `bytes`, as txt_in/TEXT_NAME.
inline NumberedPage TextPage(const WorkArea& area, std::string_view name,
                             std::string_view text_name,
                             std::string_view bytes) {
  std::filesystem::create_directories(area.Path("txt_in"));
  NumberedPage page;
  page.name = name;
  page.origin.kind = PageOrigin::Kind::kCleanedText;
  page.origin.from = area.Path("txt_in") / std::string(text_name);
  page.origin.title = "htm_wrk\\" + std::string(name);
  WriteFile(page.origin.from, bytes);
  return page;
}

// page_01.htm, page_02.htm, ... made from `pages`, in that order.
inline std::vector<NumberedPage> InputPages(
    const WorkArea& area, const std::vector<std::string>& pages) {
  std::vector<NumberedPage> numbered;
  for (size_t i = 0; i < pages.size(); ++i) {
    numbered.push_back(
        InputPage(area, NumberedPageName("00", i + 1), pages[i]));
  }
  return numbered;
}

}  // namespace docbase::testing
