#include "pages/page_list.h"

#include <algorithm>
#include <string_view>

#include "base/text.h"
#include "io/line_reader.h"
#include "io/line_writer.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"
#include "workarea/wildcard.h"

namespace docbase {

Status ListInputPages(const WorkArea& area,
                      const std::vector<std::string>& converted,
                      std::vector<ListedPage>* pages) {
  pages->clear();
  {
    // Created first, as a redirection would, so the listing can name it.
    LineWriter listing;
    DOCBASE_RETURN_IF_ERROR(listing.Open(area.Path(PageListingFile())));
    std::vector<std::string> names =
        MatchingNames(area, InFolder(InputPageFolder(), HtmlPattern()));
    for (const std::string& name : converted) {
      if (MatchesWildcard(name, HtmlPattern())) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    for (const std::string& name : names) listing.WriteLine(name);
    DOCBASE_RETURN_IF_ERROR(listing.Close());
  }
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
