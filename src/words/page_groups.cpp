#include "words/page_groups.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/quoted_record.h"
#include "common/text.h"
#include "sort/file_sort.h"
#include "words/line_router.h"
#include "words/next_pages.h"
#include "words/page_group_list.h"
#include "words/platform_order.h"

namespace docbase {
namespace {

using Fields = std::vector<std::string_view>;

// Field `i` of a record, empty when the record is short.
std::string_view Field(const Fields& fields, size_t i) {
  return i < fields.size() ? fields[i] : std::string_view();
}

std::string Quoted(std::initializer_list<std::string_view> fields) {
  std::string line;
  AppendQuotedRecord(&line, fields);
  return line;
}

// The per-page table wrd_10_<num>.txt of a page.
std::string PageTableName(std::string_view page) {
  return "wrd_10_" + std::string(PageNumberText(page)) + ".txt";
}

// The word ids of the group tables, numbered in order of first sight.
class WordSlots {
 public:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  void Add(std::string_view id) {
    std::string key(id);
    if (slots_.emplace(key, ids_.size()).second) ids_.push_back(key);
  }
  size_t Find(std::string_view id) const {
    auto found = slots_.find(std::string(id));
    return found == slots_.end() ? kNone : found->second;
  }
  size_t size() const { return ids_.size(); }
  const std::string& id(size_t slot) const { return ids_[slot]; }

 private:
  std::unordered_map<std::string, size_t> slots_;
  std::vector<std::string> ids_;
};

// wrd_08.txt -> wrd_10_<num>.txt: each page's records in wrd_08.txt order.
Status SplitByPage(const WorkArea& area, const PageGroupList& groups) {
  std::vector<std::string> names;
  for (const std::string& page : groups.pages) {
    names.push_back(PageTableName(page));
  }
  LineRouter router(area, std::move(names));
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_08.txt")));
  Fields f;
  std::string_view line;
  while (reader.Next(&line)) {
    SplitQuotedRecord(line, &f);
    size_t page = groups.IndexOf(std::string(Field(f, 2)));
    if (page == PageGroupList::kNoPage) continue;
    DOCBASE_RETURN_IF_ERROR(router.AddRecord(
        page, {Field(f, 2), Field(f, 3), Field(f, 4), Field(f, 5),
               Field(f, 6), Field(f, 7)}));
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  return router.Finish();
}

// wrd_10_<num>.txt -> wrd_11_N.txt, wrd_13_N.txt, wrd_15.txt: the pages of
// each group in group order.
Status WriteGroupTables(const WorkArea& area, const PageGroupList& groups) {
  LineWriter all_groups;
  DOCBASE_RETURN_IF_ERROR(all_groups.Open(area.Path("wrd_15.txt")));
  Fields f;
  for (int64_t group = 1; group <= groups.group_count; ++group) {
    const std::string grp = BlankPadded(group, 5);
    LineWriter by_page, with_id;
    DOCBASE_RETURN_IF_ERROR(
        by_page.Open(area.Path(GroupFileName("wrd_11_", group))));
    DOCBASE_RETURN_IF_ERROR(
        with_id.Open(area.Path(GroupFileName("wrd_13_", group))));
    for (size_t i = groups.group_begin[group - 1];
         i < groups.group_begin[group]; ++i) {
      LineReader reader;
      DOCBASE_RETURN_IF_ERROR(
          reader.Open(area.Path(PageTableName(groups.pages[i]))));
      std::string_view line;
      while (reader.Next(&line)) {
        // page, line, col, word, id, k
        SplitQuotedRecord(line, &f);
        by_page.WriteLine(line);
        with_id.WriteRecord({Field(f, 4), Field(f, 0), Field(f, 1),
                             Field(f, 2), Field(f, 3), Field(f, 4),
                             Field(f, 5)});
        all_groups.WriteRecord({Field(f, 4), grp, Field(f, 0), Field(f, 1),
                                Field(f, 2), Field(f, 3), Field(f, 5)});
      }
      DOCBASE_RETURN_IF_ERROR(reader.status());
    }
    DOCBASE_RETURN_IF_ERROR(by_page.Close());
    DOCBASE_RETURN_IF_ERROR(with_id.Close());
  }
  return all_groups.Close();
}

// wrd_07.txt -> wrd_12_N.txt. wrd_07.txt is in byte order of (page, line,
// col, ...), which is the platform sort's order too except among records at
// one position; the word ids met are collected into `words`.
Status WriteDocumentOrderTables(const WorkArea& area,
                                const PageGroupList& groups,
                                WordSlots* words) {
  LineRouter router(area, GroupFileNames("wrd_12_", groups.group_count));
  PlatformOrderedRuns runs(&router);
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_07.txt")));
  Fields f;
  std::string key;
  std::string_view line;
  while (reader.Next(&line)) {
    // inv, id, page, line, col, word, id, k
    SplitQuotedRecord(line, &f);
    size_t page = groups.IndexOf(std::string(Field(f, 2)));
    if (page == PageGroupList::kNoPage) continue;
    words->Add(Field(f, 6));
    key.assign(Field(f, 2)).append("\"").append(Field(f, 3)).append("\"");
    key.append(Field(f, 4));
    DOCBASE_RETURN_IF_ERROR(runs.Add(
        key, static_cast<size_t>(groups.group_of_page[page] - 1),
        Quoted({Field(f, 2), Field(f, 3), Field(f, 4), Field(f, 5),
                Field(f, 6), Field(f, 7)})));
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  DOCBASE_RETURN_IF_ERROR(runs.Finish());
  return router.Finish();
}

// Writes the word list files: every wrd_03.txt record whose word id field
// is the id goes to <id>.txt, in wrd_03.txt order. A word's records lie
// together, so one file is open at a time; should a word come back after
// another, its file is appended to.
class WordListWriter {
 public:
  WordListWriter(const WorkArea& area, const WordSlots& words)
      : area_(area), words_(words), started_(words.size(), false) {}

  Status Write(size_t slot, std::string_view record) {
    if (slot != current_) {
      DOCBASE_RETURN_IF_ERROR(writer_.Close());
      DOCBASE_RETURN_IF_ERROR(writer_.Open(
          area_.Path(words_.id(slot) + ".txt"),
          started_[slot] ? LineWriter::Mode::kAppend
                         : LineWriter::Mode::kReplace));
      started_[slot] = true;
      current_ = slot;
    }
    writer_.WriteLine(record);
    return Status::Ok();
  }

  // Closes the last file and makes an empty one for every word without a
  // record, as the search would.
  Status Finish() {
    DOCBASE_RETURN_IF_ERROR(writer_.Close());
    for (size_t slot = 0; slot < started_.size(); ++slot) {
      if (started_[slot]) continue;
      DOCBASE_RETURN_IF_ERROR(
          writer_.Open(area_.Path(words_.id(slot) + ".txt")));
      DOCBASE_RETURN_IF_ERROR(writer_.Close());
    }
    return Status::Ok();
  }

 private:
  const WorkArea& area_;
  const WordSlots& words_;
  std::vector<bool> started_;
  size_t current_ = WordSlots::kNone;
  LineWriter writer_;
};

// wrd_03.txt -> word list files, wrd_14_N.txt and the next-page index.
// wrd_03.txt is in word id order and, within a word, in (page, line)
// order, as the platform sort orders wrd_13_N; only the records of one
// word on one line need re-ordering (wrd_03.txt has them by spelling, the
// sort by column). The occurrence number is counted as the word tables
// count it: along wrd_03.txt, from 1 at each new word id.
Status WriteWordListsAndIdOrderTables(const WorkArea& area,
                                      const PageGroupList& groups,
                                      const WordSlots& words,
                                      NextPageIndex* next_pages) {
  LineRouter router(area, GroupFileNames("wrd_14_", groups.group_count));
  PlatformOrderedRuns runs(&router);
  WordListWriter word_lists(area, words);
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_03.txt")));
  Fields f;
  std::string previous_id, key;
  uint64_t k = 0;
  bool first = true;
  std::string_view line;
  while (reader.Next(&line)) {
    // page, line, col, word, id
    SplitQuotedRecord(line, &f);
    std::string_view page = Field(f, 0), id = Field(f, 4);
    k = (first || id != previous_id) ? 1 : k + 1;
    first = false;
    previous_id.assign(id);

    size_t slot = words.Find(id);
    if (slot != WordSlots::kNone) {
      DOCBASE_RETURN_IF_ERROR(word_lists.Write(slot, line));
      next_pages->Add(slot, page);
    }
    size_t page_index = groups.IndexOf(std::string(page));
    // The word tables keep only records whose id field holds "id".
    if (page_index == PageGroupList::kNoPage || !Contains(id, "id")) continue;
    key.assign(id).append("\"").append(page).append("\"").append(Field(f, 1));
    DOCBASE_RETURN_IF_ERROR(runs.Add(
        key, static_cast<size_t>(groups.group_of_page[page_index] - 1),
        Quoted({id, page, Field(f, 1), Field(f, 2), Field(f, 3), id,
                std::to_string(k)})));
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  DOCBASE_RETURN_IF_ERROR(word_lists.Finish());
  DOCBASE_RETURN_IF_ERROR(runs.Finish());
  next_pages->Finish();
  return router.Finish();
}

// wrd_12_N.txt -> wrd_24_N.txt: each record with its next page.
Status WriteNextPageTables(const WorkArea& area, const PageGroupList& groups,
                           const WordSlots& words,
                           const NextPageIndex& next_pages) {
  Fields f;
  for (int64_t group = 1; group <= groups.group_count; ++group) {
    LineReader reader;
    DOCBASE_RETURN_IF_ERROR(
        reader.Open(area.Path(GroupFileName("wrd_12_", group))));
    LineWriter writer;
    DOCBASE_RETURN_IF_ERROR(
        writer.Open(area.Path(GroupFileName("wrd_24_", group))));
    std::string_view line;
    while (reader.Next(&line)) {
      // page, line, col, word, id, k
      SplitQuotedRecord(line, &f);
      size_t slot = words.Find(Field(f, 4));
      std::string_view next =
          slot == WordSlots::kNone
              ? std::string_view()
              : next_pages.NextPage(slot, std::string(Field(f, 0)));
      writer.WriteRecord({Field(f, 0), Field(f, 1), Field(f, 2), Field(f, 3),
                          Field(f, 4), Field(f, 5), next});
    }
    DOCBASE_RETURN_IF_ERROR(reader.status());
    DOCBASE_RETURN_IF_ERROR(writer.Close());
  }
  return Status::Ok();
}

}  // namespace

Status BuildPageGroups(const WorkArea& area, RunState& state,
                       Console& console) {
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_07.txt")));
  LineWriter all_pages, group_pages;
  DOCBASE_RETURN_IF_ERROR(all_pages.Open(area.Path("group_page_all.txt")));
  int64_t group = 1;
  DOCBASE_RETURN_IF_ERROR(
      group_pages.Open(area.Path(GroupFileName("group_search_", group))));
  int64_t pages_in_group = 0;
  std::unordered_set<std::string> listed;
  std::string last_listed;
  Fields f;
  std::string_view line;
  while (reader.Next(&line)) {
    // inv, id, page, line, col, word, id, k
    SplitQuotedRecord(line, &f);
    std::string_view page = Field(f, 2);
    bool first_page = listed.empty();
    if (!first_page && page == last_listed) continue;
    if (!listed.emplace(page).second) continue;
    last_listed.assign(page);
    group_pages.WriteRecord({page});
    all_pages.WriteLine(page);
    ++pages_in_group;
    // The first page never closes a group, so with a group size of 1 every
    // page stays in group 1.
    if (!first_page && pages_in_group == state.input_file_count) {
      DOCBASE_RETURN_IF_ERROR(group_pages.Close());
      pages_in_group = 0;
      ++group;
      DOCBASE_RETURN_IF_ERROR(
          group_pages.Open(area.Path(GroupFileName("group_search_", group))));
    }
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  DOCBASE_RETURN_IF_ERROR(group_pages.Close());
  DOCBASE_RETURN_IF_ERROR(all_pages.Close());
  state.group_count = group;

  state.sort_input_name = "group_page_all.txt";
  state.sort_output_name = "group_page_all_sort.txt";
  return FileSort(area, state, console);
}

Status SplitWordsByGroup(const WorkArea& area, RunState& state) {
  PageGroupList groups;
  DOCBASE_RETURN_IF_ERROR(ReadPageGroups(area, state.group_count, &groups));
  DOCBASE_RETURN_IF_ERROR(SplitByPage(area, groups));
  DOCBASE_RETURN_IF_ERROR(WriteGroupTables(area, groups));
  WordSlots words;
  DOCBASE_RETURN_IF_ERROR(WriteDocumentOrderTables(area, groups, &words));
  NextPageIndex next_pages(words.size());
  DOCBASE_RETURN_IF_ERROR(
      WriteWordListsAndIdOrderTables(area, groups, words, &next_pages));
  return WriteNextPageTables(area, groups, words, next_pages);
}

}  // namespace docbase
