// Compares the page groups and word splits with a direct rendering of the
// slow method they replace (the table of all pages read again per new
// page, wrd_08.txt read once per page, the platform sort of each group
// table, a text search per word and a word list read per record), on
// random word tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>

#include "common/test_support.h"
#include "driver/scripted_console.h"
#include "words/page_group_list.h"
#include "words/page_groups.h"
#include "words/page_tables.h"
#include "words/word_tables_fixture.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

using testing::Occurrence;
using testing::QuotedLine;
using testing::ReadFile;
using testing::RecordFields;
using testing::WriteFile;
namespace fs = std::filesystem;

std::vector<std::string> FileLines(const WorkArea& area,
                                   const std::string& name) {
  std::string bytes = ReadFile(area.Path(name));
  std::vector<std::string> lines;
  for (size_t at = 0; at < bytes.size();) {
    size_t end = bytes.find("\r\n", at);
    lines.push_back(bytes.substr(at, end - at + 2));
    at = end + 2;
  }
  return lines;
}

int64_t ReferenceGroups(const WorkArea& area, int64_t group_size) {
  int64_t group = 1, pages_in_group = 0;
  std::string last, group_file;
  bool first = true;
  for (const std::string& line : FileLines(area, "wrd_07.txt")) {
    std::string page = RecordFields(line)[2];
    if (first) {
      first = false;
      WriteFile(area.Path("group_page_all.txt"), page + "\r\n");
      group_file = QuotedLine({page});
      pages_in_group = 1;
      last = page;
      continue;
    }
    if (page == last) continue;
    bool listed = false;
    for (const std::string& all : FileLines(area, "group_page_all.txt")) {
      listed = listed || all == page + "\r\n";
    }
    if (listed) continue;
    last = page;
    group_file += QuotedLine({page});
    ++pages_in_group;
    WriteFile(area.Path("group_page_all.txt"),
              ReadFile(area.Path("group_page_all.txt")) + page + "\r\n");
    if (pages_in_group == group_size) {
      WriteFile(area.Path(GroupFileName("group_search_", group)), group_file);
      group_file.clear();
      pages_in_group = 0;
      ++group;
    }
  }
  WriteFile(area.Path(GroupFileName("group_search_", group)), group_file);
  // The page list in byte order, as the file sort gives it.
  std::vector<std::string> sorted = FileLines(area, "group_page_all.txt");
  std::sort(sorted.begin(), sorted.end());
  std::string sorted_bytes;
  for (const std::string& line : sorted) sorted_bytes += line;
  WriteFile(area.Path("group_page_all_sort.txt"), sorted_bytes);
  return group;
}

std::string ReferenceNextPage(const WorkArea& area, const std::string& id,
                              const std::string& page) {
  std::vector<std::string> pages;
  for (const std::string& line : FileLines(area, id + ".txt")) {
    pages.push_back(RecordFields(line)[0]);
  }
  size_t i = 0;
  for (;;) {
    while (i < pages.size() && pages[i] != page) ++i;
    while (i < pages.size() && pages[i] == page) ++i;
    if (i == pages.size()) return "";
    if (pages[i] > page) return pages[i];
    ++i;
  }
}

void ReferenceSplits(const WorkArea& area, int64_t group_count) {
  std::string wrd_15;
  for (int64_t group = 1; group <= group_count; ++group) {
    std::string wrd_11, wrd_13;
    for (const std::string& search :
         FileLines(area, GroupFileName("group_search_", group))) {
      std::string page = RecordFields(search)[0];
      std::string wrd_10;
      for (const std::string& line : FileLines(area, "wrd_08.txt")) {
        std::vector<std::string> f = RecordFields(line);
        if (f[2] != page) continue;
        wrd_10 += QuotedLine({f[2], f[3], f[4], f[5], f[6], f[7]});
        wrd_13 += QuotedLine({f[1], f[2], f[3], f[4], f[5], f[6], f[7]});
        wrd_15 += QuotedLine(
            {f[1], BlankPadded(group, 5), f[2], f[3], f[4], f[5], f[7]});
      }
      WriteFile(area.Path("wrd_10_" + std::string(PageNumberText(page)) +
                          ".txt"),
                wrd_10);
      wrd_11 += wrd_10;
    }
    WriteFile(area.Path(GroupFileName("wrd_11_", group)), wrd_11);
    WriteFile(area.Path(GroupFileName("wrd_13_", group)), wrd_13);
    ASSERT_TRUE(PlatformSort(area, GroupFileName("wrd_11_", group),
                             GroupFileName("wrd_12_", group))
                    .ok());
    ASSERT_TRUE(PlatformSort(area, GroupFileName("wrd_13_", group),
                             GroupFileName("wrd_14_", group))
                    .ok());
  }
  WriteFile(area.Path("wrd_15.txt"), wrd_15);
  for (int64_t group = 1; group <= group_count; ++group) {
    std::string wrd_24;
    for (const std::string& line :
         FileLines(area, GroupFileName("wrd_12_", group))) {
      std::vector<std::string> f = RecordFields(line);
      if (!fs::exists(area.Path(f[4] + ".txt"))) {
        ASSERT_TRUE(
            SearchWordIdLines(area, f[4], "wrd_03.txt", f[4] + ".txt").ok());
      }
      wrd_24 += QuotedLine({f[0], f[1], f[2], f[3], f[4], f[5],
                            ReferenceNextPage(area, f[4], f[0])});
    }
    WriteFile(area.Path(GroupFileName("wrd_24_", group)), wrd_24);
  }
}

std::map<std::string, std::string> FolderContents(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::directory_iterator(folder)) {
    contents[entry.path().filename().string()] = ReadFile(entry.path());
  }
  return contents;
}

// Random occurrences on `pages` pages, with words that stress the orders:
// spellings of one word, "_" and "[" (between the upper and lower case
// letters), prefixes, commas, bytes above 127 and id texts inside words.
std::vector<Occurrence> RandomOccurrences(std::mt19937& random, int pages,
                                          int count, bool shared_positions) {
  const std::vector<std::string> words = {
      "apple", "Apple", "APPLE", "app",  "apples", "apple!", "a_b",
      "A[b",   "A_B",   "x,y",   "zeta", "\xc3\xa9t\xc3\xa9",
      "\xc3\x89t\xc3\xa9", "qid00000000", "kid00000003x", "Banana",
      "banana"};
  auto pick = [&](int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
  };
  std::vector<Occurrence> occurrences;
  std::map<std::tuple<int, int, int>, bool> used;
  while (static_cast<int>(occurrences.size()) < count) {
    int page = 1 + pick(pages), line = 1 + pick(6), col = 1 + pick(40);
    if (!shared_positions && used[{page, line, col}]) continue;
    used[{page, line, col}] = true;
    occurrences.push_back({"page_" + ZeroPadded(page, 2) + ".htm", line, col,
                           words[pick(static_cast<int>(words.size()))]});
  }
  return occurrences;
}

TEST(PageGroupsReferenceTest, SameFilesAsTheSlowMethod) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 40; ++round) {
    int pages = 1 + static_cast<int>(random() % 9);
    int64_t group_size = 1 + static_cast<int64_t>(random() % 4);
    // Real tables never hold two words at one position; the splits must
    // still order such tables as the platform sort would.
    bool shared_positions = round % 4 == 3;
    std::vector<Occurrence> occurrences = RandomOccurrences(
        random, pages, 1 + static_cast<int>(random() % 120),
        shared_positions);
    SCOPED_TRACE("round " + std::to_string(round) + ", group size " +
                 std::to_string(group_size));

    testing::TempFolder fast_folder, reference_folder;
    WorkArea fast(fast_folder.path()), reference(reference_folder.path());
    testing::WriteWordTables(fast, occurrences);
    testing::WriteWordTables(reference, occurrences);

    RunState state;
    state.input_file_count = group_size;
    ScriptedConsole console;
    ASSERT_TRUE(BuildPageGroups(fast, state, console).ok());
    // Most rounds sort the pages in memory; others give that up at once
    // or halfway (pages of more than a few records), to see the general
    // way make the same files.
    const size_t limits[] = {PageTables::kDefaultPageLimit, 1, 400};
    ASSERT_TRUE(
        SplitWordsByGroupWithLimit(fast, state, limits[round % 3]).ok());
    // The file sort's own work files are not part of the comparison.
    fs::remove(fast.Path("sort_output.txt"));
    for (const std::string& run : MatchingNames(fast, "file_s_*.txt")) {
      fs::remove(fast.Path(run));
    }

    int64_t group_count = ReferenceGroups(reference, group_size);
    ReferenceSplits(reference, group_count);

    EXPECT_EQ(state.group_count, group_count);
    auto expected = FolderContents(reference_folder.path());
    auto actual = FolderContents(fast_folder.path());
    for (const auto& [name, bytes] : expected) {
      auto found = actual.find(name);
      if (found == actual.end()) {
        ADD_FAILURE() << name << " missing";
      } else {
        EXPECT_EQ(found->second, bytes) << name;
      }
    }
    for (const auto& [name, bytes] : actual) {
      EXPECT_TRUE(expected.count(name)) << name << " not expected";
    }
  }
}

}  // namespace
}  // namespace docbase
