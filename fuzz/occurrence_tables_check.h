// Fuzz check of the work files the output pages read back: the occurrence file
// and the page-word file (through GroupOccurrences and PageOccurrences), and
// the word-and-page runs (through WordPagesByGroup, GroupWordPages and
// TableWordPages), damaged between the phases. The input's pages are indexed by
// the real phases (extraction, word ids, groups, splits) twice, in two folders:
// once as they are, once with the damages the input asks for, and every group
// is read as the output pass reads it: its occurrences in document order with
// next pages, in table order without, and its word-and-page entries, then the
// entries of all groups.
//
// Input layout: byte 0 sets the group size (1 to 3); byte 1 the word-page
// budget in records per run (0 or 128 and more: all in memory); byte 2 the
// number of damages (0 to 5), each of 5 bytes: byte 0 names the file and
// the moment (0 the occurrence file, 1 the page-word file before the
// splits, 2 the page-word file after them, 3 the word-and-page runs),
// bytes 1-4 the damage (work_file_damage.h). The rest holds up to six pages
// separated by the byte 0xFF.
//
// The damaged run must read exactly what the undamaged one read when its
// files are as the undamaged ones were; otherwise it must stop with an I/O
// error that names a file that was damaged. A crash, a hang, a damaged file
// read as sound are failures.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/status.h"
#include "fuzz_check.h"
#include "html/index_tables.h"
#include "html/table_sources.h"
#include "io/record_file.h"
#include "pages/input_pages_for_test.h"
#include "words/page_groups.h"
#include "words/word_extraction.h"
#include "words/word_ids.h"
#include "words/word_pages_by_group.h"
#include "words/word_splits.h"
#include "work_file_damage.h"
#include "workarea/file_names.h"

namespace docbase::fuzz {

struct PlacedDamage {
  enum File : uint8_t {
    kOccurrences,
    kPageWordsBeforeSplits,
    kPageWords,
    kWordPageRuns
  };
  File file;
  FileDamage damage;
};

struct TablesRead {
  Status status;
  std::string text;  // what the readers gave, as text
  // The work files by path as the phase that reads them found them: the
  // page-word file as the splits found it, then all as the output found
  // them.
  std::vector<std::pair<std::string, std::string>> files;
};

inline void AppendOccurrences(GroupOccurrences& source, std::string* text) {
  OccurrenceRecord r;
  while (source.Next(&r)) {
    *text += std::string(r.page) + " " + std::to_string(r.line) + ":" +
             std::to_string(r.column) + " " + std::string(r.word) + " " +
             std::string(r.id) + " " + std::string(r.k_text) + " " +
             std::string(r.next) + " " + std::to_string(r.last_on_page) + "\n";
  }
}

inline Status AppendWordPages(WordPageSource& source, std::string* text) {
  WordPageEntry e;
  while (source.Next(&e)) {
    *text += std::string(e.id) + " " + std::string(e.page) + " " +
             std::to_string(e.group) + " " + std::string(e.word) + " " +
             std::string(e.first_k_text) + " " + std::to_string(e.count) + "\n";
  }
  return source.status();
}

inline TablesRead ReadIndexTables(const std::filesystem::path& dir,
                                  const std::vector<std::string_view>& pages,
                                  int64_t group_size, size_t budget,
                                  const std::vector<PlacedDamage>& damages) {
  std::error_code error;
  std::filesystem::remove_all(dir, error);
  std::filesystem::create_directories(dir);
  const WorkArea area(dir);
  const std::vector<NumberedPage> numbered = testing::InputPages(
      area, std::vector<std::string>(pages.begin(), pages.end()));
  TablesRead result;
  auto inflict = [&](PlacedDamage::File file, const std::filesystem::path& path,
                     size_t record_size) {
    for (const PlacedDamage& d : damages) {
      if (d.file == file) Inflict(d.damage, path, record_size);
    }
  };
  auto keep = [&](const std::filesystem::path& path) {
    result.files.emplace_back(path.string(), FileOrNone(path));
  };
  WordCensus census;
  result.status = ExtractWords(area, numbered, 1, &census);
  if (!result.status.ok()) return result;
  const WordIds ids = NumberWords(census);
  const PageGroups groups = BuildPageGroups(census, group_size);
  inflict(PlacedDamage::kPageWordsBeforeSplits, PageWordFile(area),
          sizeof(StoredPageWord));
  keep(PageWordFile(area));
  WordPageTable word_pages(WordPageRunFile(area), budget);
  result.status = SplitWordsByGroup(area, &census, ids, &word_pages);
  if (!result.status.ok()) return result;
  inflict(PlacedDamage::kOccurrences, OccurrenceFile(area),
          sizeof(StoredOccurrence));
  inflict(PlacedDamage::kPageWords, PageWordFile(area), sizeof(StoredPageWord));
  for (const auto& path :
       {WordPageRunFile(area), MergeRunFile(WordPageRunFile(area))}) {
    inflict(PlacedDamage::kWordPageRuns, path, sizeof(StoredWordPage));
  }
  for (const auto& path :
       {OccurrenceFile(area), PageWordFile(area), WordPageRunFile(area),
        MergeRunFile(WordPageRunFile(area))}) {
    keep(path);
  }

  RecordFile occurrences, page_words;
  result.status = occurrences.Open(
      OccurrenceFile(area), census.occurrences * sizeof(StoredOccurrence));
  if (!result.status.ok()) return result;
  result.status = page_words.Open(PageWordFile(area),
                                  census.page_words * sizeof(StoredPageWord));
  if (!result.status.ok()) return result;
  const IndexTables tables{census,     ids,         groups,
                           word_pages, occurrences, page_words};
  // Dealt out by group in chunks of the same budget, as the output pass
  // does for the word index pages.
  WordPagesByGroup by_group(WordPageGroupFile(area), budget);
  result.status =
      by_group.Build(word_pages, groups.group_of_page);
  if (!result.status.ok()) return result;
  for (int64_t group = 1; group <= groups.count(); ++group) {
    result.text += "group " + std::to_string(group) + "\n";
    GroupOccurrences rewrite(tables, group, GroupOccurrences::Order::kDocument,
                             GroupOccurrences::NextPages::kCarried);
    AppendOccurrences(rewrite, &result.text);
    result.status = rewrite.status();
    if (!result.status.ok()) return result;
    GroupOccurrences search(tables, group, GroupOccurrences::Order::kTable,
                            GroupOccurrences::NextPages::kLeftOut);
    AppendOccurrences(search, &result.text);
    result.status = search.status();
    if (!result.status.ok()) return result;
    GroupWordPages entries(tables, by_group, group);
    result.status = entries.Open();
    if (!result.status.ok()) return result;
    result.status = AppendWordPages(entries, &result.text);
    if (!result.status.ok()) return result;
  }
  TableWordPages all_groups(tables);
  result.status = all_groups.Open();
  if (!result.status.ok()) return result;
  result.status = AppendWordPages(all_groups, &result.text);
  return result;
}

inline std::string CheckOccurrenceTables(std::string_view input,
                                         const std::filesystem::path& scratch) {
  if (input.size() < 3) return "";
  auto byte = [&](size_t i) { return static_cast<uint8_t>(input[i]); };
  const int64_t group_size = 1 + byte(0) % 3;
  const size_t budget = byte(1) == 0 || byte(1) >= 128
                            ? size_t{1} << 20
                            : byte(1) * (sizeof(StoredWordPage) * 3 / 2);
  const size_t damage_count = byte(2) % 6;
  size_t at = 3;
  std::vector<PlacedDamage> damages;
  for (; damages.size() < damage_count && at + 5 <= input.size(); at += 5) {
    damages.push_back(
        PlacedDamage{static_cast<PlacedDamage::File>(byte(at) % 4),
                     FileDamage::From(input.substr(at + 1, 4))});
  }
  std::vector<std::string_view> pages;
  std::string_view rest = input.substr(std::min(at, input.size()));
  while (pages.size() < 6) {
    const size_t end = rest.find('\xff');
    pages.push_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }

  const TablesRead clean =
      ReadIndexTables(scratch / "clean", pages, group_size, budget, {});
  if (!clean.status.ok()) return "undamaged: " + clean.status.ToString();
  const TablesRead damaged =
      ReadIndexTables(scratch / "damaged", pages, group_size, budget, damages);
  // Every record of every file is read, so any difference must be caught;
  // the files are compared as far as the damaged run got.
  std::set<std::string> differing;
  for (size_t i = 0; i < damaged.files.size(); ++i) {
    if (damaged.files[i].second != clean.files[i].second) {
      differing.insert(damaged.files[i].first);
    }
  }
  if (!damaged.status.ok()) {
    if (!damaged.status.io_error() || !differing.count(damaged.status.path())) {
      return "damaged: " + damaged.status.ToString() + " (not a damaged file)";
    }
    return "";
  }
  if (!differing.empty()) {
    return "damaged " + *differing.begin() + " read as sound";
  }
  if (damaged.text != clean.text) {
    return "sound work files read otherwise: " + Shown(damaged.text);
  }
  return "";
}

}  // namespace docbase::fuzz
