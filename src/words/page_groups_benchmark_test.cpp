// Benchmark of the page groups and word splits on large word tables; run
// by scripts/bench_page_groups.sh, disabled in the normal test run.
//
// With DOCBASE_BENCH_DIR set to an empty folder, the first run writes
// wrd_03.txt, wrd_07.txt and wrd_08.txt there (DOCBASE_BENCH_RECORDS
// occurrences, default 1.5 million, on DOCBASE_BENCH_PAGES pages, default
// 1000, with Zipf-like word frequencies); every later run times the phase
// on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "common/line_writer.h"
#include "common/text.h"
#include "driver/scripted_console.h"
#include "words/page_groups.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

int64_t EnvNumber(const char* name, int64_t fallback) {
  const char* value = std::getenv(name);
  return value ? std::atoll(value) : fallback;
}

struct BenchOccurrence {
  int32_t word;
  int32_t page;  // 1-based
  int32_t line;
  int32_t col;
  int32_t spelling;  // 0 lower, 1 capitalised, 2 upper case
  int32_t k = 0;
};

std::string Spelled(int32_t word, int32_t spelling) {
  std::string text(6, 'a');
  for (int i = 5; i >= 0; --i, word /= 26) text[i] = 'a' + word % 26;
  if (spelling == 1) text[0] = static_cast<char>(text[0] - 'a' + 'A');
  if (spelling == 2) {
    for (char& c : text) c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string PageName(int32_t page) { return "page_" + ZeroPadded(page, 4) + ".htm"; }

// Occurrences in document order; words of six letters, so that word
// number order is their byte order.
void GenerateTables(const WorkArea& area, int64_t records, int32_t pages) {
  constexpr int32_t kWords = 60000, kPerLine = 12;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<BenchOccurrence> occurrences(records);
  int64_t per_page = (records + pages - 1) / pages;
  for (int64_t i = 0; i < records; ++i) {
    BenchOccurrence& o = occurrences[i];
    o.word = std::min<int32_t>(
        kWords - 1, static_cast<int32_t>(std::pow(kWords + 1.0, unit(random))) - 1);
    o.page = static_cast<int32_t>(i / per_page) + 1;
    int64_t on_page = i % per_page;
    o.line = static_cast<int32_t>(on_page / kPerLine) + 1;
    o.col = static_cast<int32_t>(on_page % kPerLine) * 8 + 1;
    double s = unit(random);
    o.spelling = s < 0.02 ? 2 : s < 0.12 ? 1 : 0;
  }
  // Word order: by word, page, line, spelling (byte order puts upper case
  // first), column.
  std::vector<int32_t> by_word(records);
  for (int64_t i = 0; i < records; ++i) by_word[i] = static_cast<int32_t>(i);
  auto rank = [&](int32_t i) { return 2 - occurrences[i].spelling; };
  std::stable_sort(by_word.begin(), by_word.end(), [&](int32_t a, int32_t b) {
    const BenchOccurrence &x = occurrences[a], &y = occurrences[b];
    if (x.word != y.word) return x.word < y.word;
    if (x.page != y.page) return x.page < y.page;
    if (x.line != y.line) return x.line < y.line;
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    return x.col < y.col;
  });
  std::vector<int64_t> first_of_word(kWords, -1);
  LineWriter wrd_03;
  ASSERT_TRUE(wrd_03.Open(area.Path("wrd_03.txt")).ok());
  for (int64_t position = 0; position < records; ++position) {
    BenchOccurrence& o = occurrences[by_word[position]];
    bool new_word = first_of_word[o.word] < 0;
    if (new_word) first_of_word[o.word] = position;
    o.k = new_word ? 1 : occurrences[by_word[position - 1]].k + 1;
    wrd_03.WriteRecord({PageName(o.page), BlankPadded(o.line, 10),
                        BlankPadded(o.col, 6), Spelled(o.word, o.spelling),
                        WordId(first_of_word[o.word])});
  }
  ASSERT_TRUE(wrd_03.Close().ok());
  auto write_table = [&](const char* name, const std::vector<int32_t>& order) {
    LineWriter table;
    ASSERT_TRUE(table.Open(area.Path(name)).ok());
    for (int32_t i : order) {
      const BenchOccurrence& o = occurrences[i];
      std::string id = WordId(first_of_word[o.word]);
      table.WriteRecord({ZeroPadded(100000000 - o.k, 8), id, PageName(o.page),
                         BlankPadded(o.line, 10), BlankPadded(o.col, 6),
                         Spelled(o.word, o.spelling), id,
                         std::to_string(o.k)});
    }
    ASSERT_TRUE(table.Close().ok());
  };
  std::vector<int32_t> order(records);
  for (int64_t i = 0; i < records; ++i) order[i] = static_cast<int32_t>(i);
  write_table("wrd_07.txt", order);
  std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
    const BenchOccurrence &x = occurrences[a], &y = occurrences[b];
    if (x.k != y.k) return x.k > y.k;
    if (x.word != y.word) return x.word < y.word;
    return a < b;
  });
  write_table("wrd_08.txt", order);
}

TEST(PageGroupsBenchmark, DISABLED_LargeTables) {
  const char* folder = std::getenv("DOCBASE_BENCH_DIR");
  ASSERT_NE(folder, nullptr) << "set DOCBASE_BENCH_DIR";
  WorkArea area{fs::path(folder)};
  int32_t pages = static_cast<int32_t>(EnvNumber("DOCBASE_BENCH_PAGES", 1000));
  if (!fs::exists(area.Path("wrd_08.txt"))) {
    GenerateTables(area, EnvNumber("DOCBASE_BENCH_RECORDS", 1500000), pages);
    std::printf("tables written to %s\n", folder);
    return;
  }
  RunState state;
  state.input_file_count = EnvNumber("DOCBASE_BENCH_GROUP_SIZE", pages - 1);
  ScriptedConsole console;
  auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(BuildPageGroups(area, state, console).ok());
  auto middle = std::chrono::steady_clock::now();
  ASSERT_TRUE(SplitWordsByGroup(area, state).ok());
  auto end = std::chrono::steady_clock::now();
  auto ms = [](auto d) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
  };
  std::printf("groups: %lld, page groups %lld ms, word splits %lld ms\n",
              static_cast<long long>(state.group_count),
              static_cast<long long>(ms(middle - start)),
              static_cast<long long>(ms(end - middle)));
}

}  // namespace
}  // namespace docbase
