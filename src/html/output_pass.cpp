#include "html/output_pass.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "common/parallel_tasks.h"
#include "html/annotated_pages.h"
#include "html/contents_page.h"
#include "html/main_index_parts.h"
#include "html/modern_search_page.h"
#include "html/navigation_bar.h"
#include "html/modern_contents_page.h"
#include "html/modern_pages.h"
#include "html/search_page.h"
#include "html/table_sources.h"
#include "html/word_folder.h"
#include "html/word_index_page.h"
#include "pages/page_reader.h"
#include "words/word_pages_by_group.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

// A stretch of a group's pages that one task rewrites.
struct PageStretch {
  int64_t group;
  std::span<const uint32_t> pages;
  // Whether it holds the last page of the group with words, whose bottom
  // bar ends its Next link with a blank.
  bool ends_group;
};

// Cuts every group's pages into stretches of about the same number of
// occurrences, enough of them that the threads stay busy to the end; with
// one thread, one stretch per group.
std::vector<PageStretch> CutIntoStretches(const IndexTables& tables,
                                          int jobs) {
  const std::vector<PageTally>& tally = tables.census.pages;
  const uint64_t pieces = jobs <= 1 ? 1 : 8 * static_cast<uint64_t>(jobs);
  const uint64_t target =
      std::max<uint64_t>(1, tables.census.occurrences / pieces);
  std::vector<PageStretch> stretches;
  for (int64_t group = 1; group <= tables.groups.count(); ++group) {
    const std::vector<uint32_t>& pages =
        tables.groups.pages_of_group[group - 1];
    size_t last_with_words = pages.size();
    for (size_t at = 0; at < pages.size(); ++at) {
      if (tally[pages[at]].occurrences > 0) last_with_words = at;
    }
    size_t start = 0;
    uint64_t occurrences = 0;
    for (size_t at = 0; at < pages.size(); ++at) {
      occurrences += tally[pages[at]].occurrences;
      if ((jobs > 1 && occurrences >= target) || at + 1 == pages.size()) {
        const std::span<const uint32_t> stretch(pages.data() + start,
                                                at + 1 - start);
        stretches.push_back(PageStretch{
            group, stretch, start <= last_with_words && last_with_words <= at});
        start = at + 1;
        occurrences = 0;
      }
    }
  }
  return stretches;
}

// The cut of the main index that the modern list pages link into; none in
// the classic layout.
std::optional<MainIndexParts> ModernIndexParts(const Settings& settings,
                                               const IndexTables& tables) {
  if (settings.layout != PageLayout::kModern) return std::nullopt;
  return MainIndexParts::Plan(tables);
}

Status WriteSearchPages(const WorkArea& area, const Settings& settings,
                        const IndexTables& tables, SplitMix64& random) {
  const std::optional<MainIndexParts> parts = ModernIndexParts(settings, tables);
  for (int64_t group = 1; group <= tables.groups.count(); ++group) {
    GroupOccurrences source(tables, group, GroupOccurrences::Order::kTable,
                            GroupOccurrences::NextPages::kLeftOut);
    DOCBASE_RETURN_IF_ERROR(
        parts ? WriteModernSearchPage(area, settings, *parts, random, group,
                                      source)
              : WriteSearchPage(area, settings, random, group, source));
  }
  return Status::Ok();
}

// What the sort of the word index pages' records by group may hold in
// memory; past it the sort writes runs to disk.
constexpr size_t kGroupingBudget = 4 << 20;

Status WriteIndexPages(const WorkArea& area, const Settings& settings,
                       const IndexTables& tables) {
  // One object for the pass: its promotional count runs across groups.
  const std::optional<MainIndexParts> parts = ModernIndexParts(settings, tables);
  WordIndexPages index_pages(parts ? &*parts : nullptr);
  WordPagesByGroup by_group(WordPageGroupFile(area), kGroupingBudget);
  DOCBASE_RETURN_IF_ERROR(
      by_group.Build(tables.word_pages, tables.groups.group_of_page));
  for (int64_t group = 1; group <= tables.groups.count(); ++group) {
    DOCBASE_RETURN_IF_ERROR(index_pages.WriteHead(area, settings, group));
    GroupWordPages entries(tables, by_group, group);
    DOCBASE_RETURN_IF_ERROR(entries.Open());
    DOCBASE_RETURN_IF_ERROR(index_pages.WriteEntries(settings, group, entries));
  }
  return Status::Ok();
}

// The pages without words are written as the page set made them.
// In the modern layout they are modern pages too, without words.
Status WritePagesWithoutWords(const WorkArea& area, const Settings& settings,
                              const PageNeighbours& neighbours,
                              const IndexTables& tables) {
  const std::vector<PageTally>& pages = tables.census.pages;
  for (size_t page = 0; page < pages.size(); ++page) {
    if (tables.groups.group_of_page[page] != 0) continue;
    if (settings.layout == PageLayout::kModern) {
      DOCBASE_RETURN_IF_ERROR(WriteModernPageWithoutWords(
          area, settings.display, neighbours, pages[page].listed_name,
          pages[page].origin));
      continue;
    }
    DOCBASE_RETURN_IF_ERROR(WriteNumberedPage(area, pages[page].listed_name,
                                              pages[page].origin));
  }
  return Status::Ok();
}

}  // namespace

Status WriteGroupOutputs(const WorkArea& area, const Settings& settings,
                         const IndexTables& tables, SplitMix64& random) {
  DOCBASE_RETURN_IF_ERROR(PrepareWordFolder(area, tables.groups.count()));
  const PageNeighbours neighbours(tables.groups.sorted_names);
  // The two long chains first, so that the stretches fill in around them;
  // the word-index pages first of all, on this thread: their reader's
  // buffers take the room the word tables' sort has left.
  std::vector<Task> tasks;
  tasks.push_back([&] { return WriteIndexPages(area, settings, tables); });
  tasks.push_back(
      [&] { return WriteSearchPages(area, settings, tables, random); });
  tasks.push_back([&] {
    return WritePagesWithoutWords(area, settings, neighbours, tables);
  });
  // The modern layout writes its annotated pages and its contents page
  // with its own writers, from the same tables.
  const bool modern = settings.layout == PageLayout::kModern;
  tasks.push_back([&] {
    return modern ? WriteModernContentsPage(area, settings, tables.census,
                                            tables.groups.sorted_names)
                  : WriteContentsPage(area, settings,
                                      tables.groups.sorted_names);
  });
  for (const PageStretch& stretch : CutIntoStretches(tables, settings.jobs)) {
    tasks.push_back([&, stretch] {
      GroupOccurrences source(tables, stretch.pages,
                              GroupOccurrences::Order::kDocument,
                              GroupOccurrences::NextPages::kCarried);
      if (modern) {
        return WriteModernPages(area, settings.display, neighbours,
                                stretch.group, source);
      }
      return RewritePages(area, settings.display, neighbours, stretch.group,
                          source,
                          stretch.ends_group ? NextLinkEnd::kTrailingBlank
                                             : NextLinkEnd::kNoTrailingBlank);
    });
  }
  return RunTasks(settings.jobs, tasks);
}

}  // namespace docbase
