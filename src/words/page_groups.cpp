#include "words/page_groups.h"

#include <charconv>
#include <unordered_set>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/text.h"
#include "sort/file_sort.h"
#include "workarea/commands.h"
#include "words/line_router.h"
#include "words/next_pages.h"
#include "words/page_group_list.h"
#include "words/page_tables.h"
#include "words/platform_order.h"
#include "words/record_view.h"
#include "words/word_slots.h"

namespace docbase {
namespace {

// The per-page table wrd_10_<num>.txt of a page.
std::string PageTableName(std::string_view page) {
  return "wrd_10_" + std::string(PageNumberText(page)) + ".txt";
}

// wrd_08.txt -> wrd_10_<num>.txt: each page's records in wrd_08.txt order,
// without the first two fields.
Status SplitByPage(const WorkArea& area, const PageGroupList& groups) {
  std::vector<std::string> names;
  for (const std::string& page : groups.pages) {
    names.push_back(PageTableName(page));
  }
  LineRouter router(area, std::move(names));
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_08.txt")));
  std::string scratch;
  std::string_view line;
  while (reader.Next(&line)) {
    // inv, id, page, line, col, word, id, k
    RecordView record(line, 8, &scratch);
    size_t page = groups.IndexOf(record.field(2));
    if (page == PageGroupList::kNoPage) continue;
    DOCBASE_RETURN_IF_ERROR(router.Add(page, record.RawFields(2, 8)));
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  return router.Finish();
}

// wrd_10_<num>.txt -> wrd_11_N.txt, wrd_13_N.txt, wrd_15.txt: the pages of
// each group in group order. (With SplitByPage, the general way of making
// the tables that PageTables makes from wrd_07.txt in the usual case.)
Status WriteGroupTables(const WorkArea& area, const PageGroupList& groups) {
  LineWriter all_groups;
  DOCBASE_RETURN_IF_ERROR(all_groups.Open(area.Path("wrd_15.txt")));
  LineWriter by_page, with_id;
  LineReader reader;
  std::string scratch;
  for (int64_t group = 1; group <= groups.group_count; ++group) {
    const std::string grp = BlankPadded(group, 5);
    DOCBASE_RETURN_IF_ERROR(
        by_page.Open(area.Path(GroupFileName("wrd_11_", group))));
    DOCBASE_RETURN_IF_ERROR(
        with_id.Open(area.Path(GroupFileName("wrd_13_", group))));
    for (size_t i = groups.group_begin[group - 1];
         i < groups.group_begin[group]; ++i) {
      DOCBASE_RETURN_IF_ERROR(
          reader.Open(area.Path(PageTableName(groups.pages[i]))));
      std::string_view line;
      while (reader.Next(&line)) {
        // page, line, col, word, id, k
        RecordView record(line, 6, &scratch);
        std::string_view id = record.field(4);
        by_page.WriteLine(line);
        // id, page, line, col, word, id, k
        with_id.Write("\"");
        with_id.Write(id);
        with_id.Write("\",");
        with_id.WriteLine(record.RawFields(0, 6));
        // id, grp, page, line, col, word, k
        all_groups.Write("\"");
        all_groups.Write(id);
        all_groups.Write("\",\"");
        all_groups.Write(grp);
        all_groups.Write("\",");
        all_groups.Write(record.RawFields(0, 4));
        all_groups.Write(",");
        all_groups.WriteLine(record.RawFields(5, 6));
      }
      DOCBASE_RETURN_IF_ERROR(reader.status());
    }
    DOCBASE_RETURN_IF_ERROR(by_page.Close());
    DOCBASE_RETURN_IF_ERROR(with_id.Close());
  }
  return all_groups.Close();
}

// Writes the word list files: every wrd_03.txt record whose word id field
// is the id goes to <id>.txt, in wrd_03.txt order. A word's records lie
// together, so one file is open at a time; should a word come back after
// another, its file is appended to. A list is wanted only for a word the
// group tables hold, which is known once one of its records has passed the
// tests of the word tables (Keep); the lists of other words are removed at
// the end.
class WordListWriter {
 public:
  explicit WordListWriter(const WorkArea& area) : area_(area) {}

  Status Write(size_t slot, std::string_view id, std::string_view record) {
    if (slot != current_) {
      DOCBASE_RETURN_IF_ERROR(writer_.Close());
      if (slot >= started_.size()) {
        started_.resize(slot + 1, false);
        kept_.resize(slot + 1, false);
      }
      name_.assign(id).append(".txt");
      DOCBASE_RETURN_IF_ERROR(writer_.Open(
          area_.Path(name_), started_[slot] ? LineWriter::Mode::kAppend
                                            : LineWriter::Mode::kReplace));
      started_[slot] = true;
      current_ = slot;
    }
    writer_.WriteLine(record);
    return Status::Ok();
  }
  void Keep(size_t slot) { kept_[slot] = true; }

  Status Finish(const WordSlots& words) {
    DOCBASE_RETURN_IF_ERROR(writer_.Close());
    for (size_t slot = 0; slot < kept_.size(); ++slot) {
      if (!kept_[slot]) DeleteFile(area_, words.id(slot) + ".txt");
    }
    return Status::Ok();
  }

 private:
  const WorkArea& area_;
  std::vector<bool> started_;
  std::vector<bool> kept_;
  size_t current_ = WordSlots::kNone;
  std::string name_;
  LineWriter writer_;
};

// wrd_03.txt -> word list files, wrd_14_N.txt and the next-page index;
// the word ids met are numbered in `words`. wrd_03.txt is in word id order
// and, within a word, in (page, line) order, as the platform sort orders
// wrd_13_N; only the records of one word on one line need re-ordering
// (wrd_03.txt has them by spelling, the sort by column). The occurrence
// number is counted as the word tables count it: along wrd_03.txt, from 1
// at each new word id.
Status WriteWordListsAndIdOrderTables(const WorkArea& area,
                                      const PageGroupList& groups,
                                      WordSlots* words,
                                      NextPageIndex* next_pages) {
  LineRouter router(area, GroupFileNames("wrd_14_", groups.group_count));
  PlatformOrderedRuns runs(&router);
  WordListWriter word_lists(area);
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_03.txt")));
  std::string scratch, previous_id, out;
  uint64_t k = 0;
  size_t slot = WordSlots::kNone;
  bool first = true;
  std::string_view line;
  while (reader.Next(&line)) {
    // page, line, col, word, id
    RecordView record(line, 5, &scratch);
    std::string_view page = record.field(0), id = record.field(4);
    if (first || id != previous_id) {
      k = 1;
      previous_id.assign(id);
      slot = words->Add(id);
    } else {
      ++k;
    }
    first = false;

    DOCBASE_RETURN_IF_ERROR(word_lists.Write(slot, id, line));
    next_pages->Add(slot, words->Key(id), page);
    size_t page_index = groups.IndexOf(page);
    // The word tables keep only records whose id field holds "id"; the
    // group tables hold the words of the records they keep.
    if (page_index == PageGroupList::kNoPage || !Contains(id, "id")) continue;
    word_lists.Keep(slot);
    // id, page, line, col, word, id, k; the run key is (id, page, line).
    out.clear();
    out.append(1, '"').append(id).append("\",");
    size_t key_begin = 0;
    size_t key_end = out.size() + (record.RawFields(0, 2).size());
    out.append(record.RawFields(0, 5)).append(",\"");
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof(digits), k).ptr);
    out.append("\"");
    DOCBASE_RETURN_IF_ERROR(runs.Add(
        std::string_view(out).substr(key_begin, key_end - key_begin),
        static_cast<size_t>(groups.group_of_page[page_index] - 1), out));
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  DOCBASE_RETURN_IF_ERROR(word_lists.Finish(*words));
  DOCBASE_RETURN_IF_ERROR(runs.Finish());
  next_pages->Finish();
  return router.Finish();
}

// wrd_07.txt -> wrd_12_N.txt and wrd_24_N.txt, and the records for
// `page_tables`. wrd_07.txt is in byte order of (page, line, col, ...),
// which is the platform sort's order too except among records at one
// position; wrd_24_N holds the same records in the same order, each with
// its next page.
Status WriteDocumentOrderTables(const WorkArea& area,
                                const PageGroupList& groups,
                                const WordSlots& words,
                                const NextPageIndex& next_pages,
                                PageTables* page_tables) {
  LineRouter document_order(area,
                            GroupFileNames("wrd_12_", groups.group_count));
  LineRouter with_next(area, GroupFileNames("wrd_24_", groups.group_count));
  // Each line travels with the number of its next page.
  PlatformOrderedRuns runs([&](size_t target, std::string_view line,
                               uint32_t next_page) -> Status {
    DOCBASE_RETURN_IF_ERROR(document_order.Add(target, line));
    return with_next.AddPieces(
        target, {line, ",\"", next_pages.PageName(next_page), "\""});
  });
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_07.txt")));
  std::string scratch, page;
  size_t page_index = PageGroupList::kNoPage;
  uint32_t page_number = NextPageIndex::kNoPage;
  std::string_view line;
  while (reader.Next(&line)) {
    // inv, id, page, line, col, word, id, k
    RecordView record(line, 8, &scratch);
    if (record.field(2) != page || page_index == PageGroupList::kNoPage) {
      // The records come page by page: look the page up once per run.
      page.assign(record.field(2));
      page_index = groups.IndexOf(page);
      page_number = next_pages.FindPage(page);
    }
    if (page_index == PageGroupList::kNoPage) continue;
    DOCBASE_RETURN_IF_ERROR(page_tables->Add(page_index, record));
    uint32_t key = words.Key(record.field(6));
    uint32_t next = key == WordSlots::kNoKey
                        ? NextPageIndex::kNoPage
                        : next_pages.NextPageNumber(key, page_number);
    // page, line, col, word, id, k; the run key is (page, line, col).
    DOCBASE_RETURN_IF_ERROR(runs.Add(
        record.RawFields(2, 5),
        static_cast<size_t>(groups.group_of_page[page_index] - 1),
        record.RawFields(2, 8), next));
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  DOCBASE_RETURN_IF_ERROR(runs.Finish());
  DOCBASE_RETURN_IF_ERROR(page_tables->Finish());
  DOCBASE_RETURN_IF_ERROR(document_order.Finish());
  return with_next.Finish();
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
  std::string last_listed, scratch;
  std::string_view line;
  while (reader.Next(&line)) {
    // inv, id, page, line, col, word, id, k
    RecordView record(line, 3, &scratch);
    std::string_view page = record.field(2);
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
  return SplitWordsByGroupWithLimit(area, state, PageTables::kDefaultPageLimit);
}

Status SplitWordsByGroupWithLimit(const WorkArea& area, const RunState& state,
                                  size_t page_limit) {
  PageGroupList groups;
  DOCBASE_RETURN_IF_ERROR(ReadPageGroups(area, state.group_count, &groups));
  WordSlots words;
  NextPageIndex next_pages;
  DOCBASE_RETURN_IF_ERROR(
      WriteWordListsAndIdOrderTables(area, groups, &words, &next_pages));
  PageTables page_tables(area, groups, page_limit);
  DOCBASE_RETURN_IF_ERROR(
      WriteDocumentOrderTables(area, groups, words, next_pages, &page_tables));
  if (!page_tables.given_up()) return Status::Ok();
  DOCBASE_RETURN_IF_ERROR(SplitByPage(area, groups));
  return WriteGroupTables(area, groups);
}

}  // namespace docbase
