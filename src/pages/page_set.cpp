#include "pages/page_set.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "pages/number_pad.h"
#include "pages/page_list.h"
#include "pages/promotional_page.h"
#include "workarea/file_names.h"

namespace docbase {

Status BuildPageSet(const WorkArea& area, const Settings& settings,
                    const std::vector<ConvertedPage>& converted,
                    std::string* number_pad,
                    std::vector<NumberedPage>* numbered) {
  DOCBASE_RETURN_IF_ERROR(WritePromotionalPage(area, settings));
  std::vector<std::string> names;
  std::unordered_map<std::string, const ConvertedPage*> by_name;
  for (const ConvertedPage& page : converted) {
    names.push_back(page.name);
    by_name.emplace(page.name, &page);
  }
  std::vector<ListedPage> pages;
  DOCBASE_RETURN_IF_ERROR(ListInputPages(area, names, &pages));
  int64_t page_count = static_cast<int64_t>(pages.size());
  // With a single page the pad set from the input count stays.
  if (page_count >= 2) *number_pad = NumberPadForCount(page_count);

  numbered->clear();
  uint64_t number = 0;
  for (const ListedPage& page : pages) {
    ++number;
    PageOrigin origin;
    auto text = by_name.find(page.listed);
    if (text != by_name.end() && page.listed != PromotionalPageName()) {
      origin.kind = PageOrigin::Kind::kCleanedText;
      origin.from = text->second->text;
      origin.title = ConvertedPageTitle(page.listed);
      origin.form = text->second->form;
    } else {
      origin.kind = PageOrigin::Kind::kCleanedFile;
      origin.from = area.Path(InFolder(InputPageFolder(), page.listed));
    }
    numbered->push_back(
        NumberedPage{NumberedPageName(*number_pad, number), std::move(origin)});
  }
  return Status::Ok();
}

}  // namespace docbase
