#include "html/output_pass.h"

#include "html/annotated_pages.h"
#include "html/contents_page.h"
#include "html/navigation_bar.h"
#include "html/search_page.h"
#include "html/table_sources.h"
#include "html/word_folder.h"
#include "html/word_index_page.h"

namespace docbase {

Status WriteGroupOutputs(const WorkArea& area, const Settings& settings,
                         const IndexTables& tables, SplitMix64& random) {
  const int64_t group_count = tables.groups.count();
  DOCBASE_RETURN_IF_ERROR(PrepareWordFolder(area, group_count));
  const PageNeighbours neighbours(tables.groups.sorted_names);
  // One object for the pass: its promotional count runs across groups.
  WordIndexPages index_pages;
  for (int64_t group = 1; group <= group_count; ++group) {
    GroupOccurrences rewrite_source(tables, group,
                                    GroupOccurrences::Order::kDocument, true);
    DOCBASE_RETURN_IF_ERROR(RewritePages(area, settings.display, neighbours,
                                         group, rewrite_source));
    DOCBASE_RETURN_IF_ERROR(index_pages.WriteHead(area, settings, group));
    DOCBASE_RETURN_IF_ERROR(
        WriteContentsPage(area, settings, tables.groups.sorted_names));
    TableWordPages entries(tables, group);
    DOCBASE_RETURN_IF_ERROR(entries.Open());
    DOCBASE_RETURN_IF_ERROR(index_pages.WriteEntries(settings, group, entries));
    GroupOccurrences search_source(tables, group,
                                   GroupOccurrences::Order::kTable, false);
    DOCBASE_RETURN_IF_ERROR(
        WriteSearchPage(area, settings, random, group, search_source));
  }
  return Status::Ok();
}

}  // namespace docbase
