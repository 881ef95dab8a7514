#include "pages/page_set.h"

#include <string>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "pages/number_pad.h"
#include "pages/page_cleaner.h"
#include "pages/page_list.h"
#include "pages/promotional_page.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

// Cleans the input pages line by line into their working copies. A page
// that cannot be found gives an empty working copy, still numbered. The
// read and write buffers serve page after page.
class PageSetCleaner {
 public:
  Status Clean(const WorkArea& area, const ListedPage& page,
               const std::string& working_copy) {
    DOCBASE_RETURN_IF_ERROR(input_.Open(area.Path("htm_in/" + page.listed)));
    DOCBASE_RETURN_IF_ERROR(output_.Open(area.Path(working_copy)));
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

Status BuildPageSet(const WorkArea& area, RunState& state) {
  DOCBASE_RETURN_IF_ERROR(WritePromotionalPage(area, state));
  std::vector<ListedPage> pages;
  DOCBASE_RETURN_IF_ERROR(ListInputPages(area, &pages));
  int64_t page_count = static_cast<int64_t>(pages.size());
  // With a single page the pad set from the input count stays.
  if (page_count >= 2) state.number_pad = NumberPadForCount(page_count);

  PageSetCleaner cleaner;
  uint64_t number = 0;
  for (const ListedPage& page : pages) {
    std::string working_copy =
        page.name.substr(0, page.name.find(".htm")) + "_01.htm";
    DOCBASE_RETURN_IF_ERROR(cleaner.Clean(area, page, working_copy));
    ++number;
    std::string numbered_page = NumberedPageName(state.number_pad, number);
    DOCBASE_RETURN_IF_ERROR(CopyFile(area, working_copy, numbered_page));
  }
  return Status::Ok();
}

}  // namespace docbase
