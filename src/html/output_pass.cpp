#include "html/output_pass.h"

#include "html/annotated_pages.h"
#include "html/contents_page.h"
#include "html/navigation_bar.h"
#include "html/search_page.h"
#include "html/word_folder.h"
#include "html/word_index_page.h"

namespace docbase {

Status WriteGroupOutputs(const WorkArea& area, RunState& state) {
  DOCBASE_RETURN_IF_ERROR(PrepareWordFolder(area));
  // Nothing in the pass changes the page list, so it is read once.
  PageNeighbours neighbours;
  DOCBASE_RETURN_IF_ERROR(neighbours.Load(area));
  // One object for the pass: its promotional count runs across groups.
  WordIndexPages index_pages;
  for (int64_t group = 1; group <= state.group_count; ++group) {
    DOCBASE_RETURN_IF_ERROR(RewriteGroupPages(area, state, neighbours, group));
    DOCBASE_RETURN_IF_ERROR(index_pages.WriteHead(area, state, group));
    DOCBASE_RETURN_IF_ERROR(WriteContentsPage(area, state));
    DOCBASE_RETURN_IF_ERROR(index_pages.WriteEntries(area, state, group));
    DOCBASE_RETURN_IF_ERROR(WriteSearchPage(area, state, group));
  }
  return Status::Ok();
}

}  // namespace docbase
