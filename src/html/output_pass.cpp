#include "html/output_pass.h"

#include <algorithm>
#include <memory>
#include <span>
#include <vector>

#include "html/page_neighbours.h"
#include "html/table_sources.h"
#include "html/word_folder.h"
#include "words/word_pages_by_group.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

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

Status WriteSearchPages(const WorkArea& area, const Settings& settings,
                        const Layout& layout, const IndexTables& tables,
                        SplitMix64& random) {
  for (int64_t group = 1; group <= tables.groups.count(); ++group) {
    GroupOccurrences source(tables, group, GroupOccurrences::Order::kTable,
                            GroupOccurrences::NextPages::kLeftOut);
    DOCBASE_RETURN_IF_ERROR(
        layout.WriteSearchPage(area, settings, random, group, source));
  }
  return Status::Ok();
}

// What the sort of the word index pages' records by group may hold in
// memory; past it the sort writes runs to disk.
constexpr size_t kGroupingBudget = 4 << 20;

Status WriteIndexPages(const WorkArea& area, const Settings& settings,
                       const Layout& layout, const IndexTables& tables) {
  // One writer for the pass: a page may carry state on to the next group.
  const std::unique_ptr<WordIndexPageWriter> index_pages =
      layout.NewWordIndexPages();
  WordPagesByGroup by_group(WordPageGroupFile(area), kGroupingBudget);
  DOCBASE_RETURN_IF_ERROR(
      by_group.Build(tables.word_pages, tables.groups.group_of_page));
  for (int64_t group = 1; group <= tables.groups.count(); ++group) {
    DOCBASE_RETURN_IF_ERROR(index_pages->WriteHead(area, settings, group));
    GroupWordPages entries(tables, by_group, group);
    DOCBASE_RETURN_IF_ERROR(entries.Open());
    DOCBASE_RETURN_IF_ERROR(
        index_pages->WriteEntries(settings, group, entries));
  }
  return Status::Ok();
}

Status WritePagesWithoutWords(const WorkArea& area, const Settings& settings,
                              const Layout& layout,
                              const PageNeighbours& neighbours,
                              const IndexTables& tables) {
  const std::vector<PageTally>& pages = tables.census.pages;
  for (size_t page = 0; page < pages.size(); ++page) {
    if (tables.groups.group_of_page[page] != 0) continue;
    DOCBASE_RETURN_IF_ERROR(
        layout.WritePageWithoutWords(area, settings, neighbours, pages[page]));
  }
  return Status::Ok();
}

}  // namespace

Status WriteGroupOutputs(const WorkArea& area, const Settings& settings,
                         const Layout& layout, const IndexTables& tables,
                         SplitMix64& random, const Task& alongside) {
  DOCBASE_RETURN_IF_ERROR(PrepareWordFolder(area, tables.groups.count()));
  const PageNeighbours neighbours(tables.groups.sorted_names);
  // The two long chains first, so that the stretches fill in around them;
  // the word-index pages first of all, on this thread: their reader's
  // buffers take the room the word tables' sort has left.
  std::vector<Task> tasks;
  tasks.push_back(
      [&] { return WriteIndexPages(area, settings, layout, tables); });
  tasks.push_back(
      [&] { return WriteSearchPages(area, settings, layout, tables, random); });
  if (alongside) tasks.push_back(alongside);
  tasks.push_back([&] {
    return WritePagesWithoutWords(area, settings, layout, neighbours, tables);
  });
  tasks.push_back(
      [&] { return layout.WriteContentsPage(area, settings, tables); });
  for (const PageStretch& stretch : CutIntoStretches(tables, settings.jobs)) {
    tasks.push_back([&, stretch] {
      GroupOccurrences source(tables, stretch.pages,
                              GroupOccurrences::Order::kDocument,
                              GroupOccurrences::NextPages::kCarried);
      return layout.WriteAnnotatedPages(area, settings, neighbours, stretch,
                                        source);
    });
  }
  return RunTasks(settings.jobs, tasks);
}

}  // namespace docbase
