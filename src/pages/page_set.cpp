#include "pages/page_set.h"

#include <string>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "pages/number_pad.h"
#include "pages/page_cleaner.h"
#include "pages/page_list.h"
#include "pages/promotional_page.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

// Cleans the input pages line by line into their numbered pages. A page
// that cannot be found gives an empty numbered page. The read and write
// buffers serve page after page.
class PageSetCleaner {
 public:
  Status Clean(const WorkArea& area, const ListedPage& page,
               const std::string& numbered_page) {
    DOCBASE_RETURN_IF_ERROR(input_.Open(area.Path(InFolder(InputPageFolder(), page.listed))));
    DOCBASE_RETURN_IF_ERROR(output_.Open(area.Path(numbered_page)));
    cleaner_.StartPage();
    std::string_view line;
    while (input_.Next(&line)) cleaner_.CleanLine(line, output_);
    DOCBASE_RETURN_IF_ERROR(input_.status());
    input_.Close();
    return output_.Close();
  }

 private:
  LineReader input_;
  LineWriter output_;
  PageCleaner cleaner_;
};

}  // namespace

Status BuildPageSet(const WorkArea& area, const Settings& settings,
                    std::string* number_pad) {
  DOCBASE_RETURN_IF_ERROR(WritePromotionalPage(area, settings));
  std::vector<ListedPage> pages;
  DOCBASE_RETURN_IF_ERROR(ListInputPages(area, &pages));
  int64_t page_count = static_cast<int64_t>(pages.size());
  // With a single page the pad set from the input count stays.
  if (page_count >= 2) *number_pad = NumberPadForCount(page_count);

  PageSetCleaner cleaner;
  uint64_t number = 0;
  // The pages are read from htm_in and written to the program directory,
  // so a numbered page never stands where a later page is read.
  for (const ListedPage& page : pages) {
    ++number;
    DOCBASE_RETURN_IF_ERROR(
        cleaner.Clean(area, page, NumberedPageName(*number_pad, number)));
  }
  return Status::Ok();
}

}  // namespace docbase
