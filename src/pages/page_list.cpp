#include "pages/page_list.h"

#include <string_view>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/text.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"

namespace docbase {

Status ListInputPages(const WorkArea& area, std::vector<ListedPage>* pages) {
  pages->clear();
  DOCBASE_RETURN_IF_ERROR(ListNames(
      area, InFolder(InputPageFolder(), HtmlPattern()), PageListingFile()));
  DOCBASE_RETURN_IF_ERROR(
      PlatformSort(area, PageListingFile(), SortedPageListingFile()));

  LineReader sorted;
  DOCBASE_RETURN_IF_ERROR(sorted.Open(area.Path(SortedPageListingFile())));
  LineWriter list;
  DOCBASE_RETURN_IF_ERROR(list.Open(area.Path(ListingFile())));
  const std::string_view kPromotionalPage = PromotionalPageName();
  list.WriteLine(kPromotionalPage);
  pages->push_back(
      {std::string(kPromotionalPage), std::string(kPromotionalPage)});
  std::string_view line;
  while (sorted.Next(&line)) {
    std::string lower = ToLowerAscii(line);
    if (lower == kPromotionalPage) continue;
    list.WriteLine(lower);
    if (Contains(lower, PageExtension())) {
      pages->push_back({std::string(line), std::move(lower)});
    }
  }
  DOCBASE_RETURN_IF_ERROR(sorted.status());
  return list.Close();
}

}  // namespace docbase
