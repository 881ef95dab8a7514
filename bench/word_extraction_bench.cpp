// Measures word extraction: a generated page set of about 10 MB (1000 pages
// of text lines with some markup and links), then single long lines that
// would expose work growing faster than the line length. Prints the times;
// it asserts nothing. Built and run by word_extraction_bench.sh.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "common/line_writer.h"
#include "common/split_mix.h"
#include "common/test_support.h"
#include "common/text.h"
#include "words/page_word_scanner.h"
#include "words/word_extraction.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

constexpr int kPages = 1000;
constexpr size_t kPageBytes = 10'000;

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
      .count();
}

// One page: lines of 8 to 15 words drawn from a vocabulary, some in bold,
// some lines starting with blanks, some with a link.
std::string MakePage(SplitMix64* random) {
  static const char* const kWords[] = {
      "the",   "document", "base",       "word",   "index",
      "page",  "of",       "and",        "search", "line",
      "a",     "text",     "\"quoted\"", "zero",   "group",
      "files", "numbers",  "to",         "in",     "\xD0\xB4\xD0\xB0"};
  constexpr size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);
  std::string page = "<html>\r\n<body>\r\n";
  while (page.size() < kPageBytes) {
    std::string line = "<br>";
    uint64_t kind = random->NextBits() % 10;
    if (kind == 0) line += "&nbsp;&nbsp;  ";
    int count = 8 + static_cast<int>(random->NextBits() % 8);
    for (int i = 0; i < count; ++i) {
      if (i > 0) line += ' ';
      std::string word = kWords[random->NextBits() % kWordCount];
      if (random->NextBits() % 20 == 0) word = "<b>" + word + "</b>";
      line += word;
    }
    if (kind == 1) line += " <a href=\"page_02.htm#id00000001\">see it</a>";
    page += line + "\r\n";
  }
  return page + "</body>\r\n</html>\r\n";
}

void MeasurePageSet() {
  testing::TempFolder folder("word_bench");
  WorkArea area(folder.path());
  SplitMix64 random;
  size_t total = 0;
  for (int page = 1; page <= kPages; ++page) {
    std::string text = MakePage(&random);
    total += text.size();
    testing::WriteFile(area.Path("page_" + ZeroPadded(page, 5) + ".htm"), text);
  }
  auto start = std::chrono::steady_clock::now();
  std::clock_t cpu_start = std::clock();
  WordCensus census;
  Status status = ExtractWords(area, &census);
  double cpu_seconds =
      static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  double seconds = SecondsSince(start);
  auto records = std::filesystem::file_size(OccurrenceFile(area));
  std::printf(
      "page set: %d pages, %.1f MB, %s, occurrences %.1f MB\n"
      "  %.3f s elapsed (%.1f MB/s), %.3f s processor time "
      "(user and system)\n",
      kPages, total / 1e6, status.ok() ? "ok" : "FAILED", records / 1e6,
      seconds, total / 1e6 / seconds, cpu_seconds);
}

void MeasureLine(const char* name, const std::string& line) {
  PageWordScanner scanner;
  scanner.BeginPage();
  std::vector<WordHit> hits;
  auto start = std::chrono::steady_clock::now();
  scanner.ScanLine(line, &hits);
  double seconds = SecondsSince(start);
  std::printf("%-34s %8.1f KB, %7zu words, %.4f s\n", name, line.size() / 1e3,
              hits.size(), seconds);
}

void MeasureLongLines() {
  constexpr size_t kFiveMb = 5'000'000;
  MeasureLine("5 MB without blanks or tags", std::string(kFiveMb, 'x'));
  std::string words;
  while (words.size() < kFiveMb) words += "word ";
  MeasureLine("5 MB of words and blanks", words);
  MeasureLine("5 MB of blanks", "<br>" + std::string(kFiveMb, ' ') + "end");
  MeasureLine("100,000 \"<\" after words",
              "one two " + std::string(100'000, '<'));
  std::string tags;
  while (tags.size() < kFiveMb) tags += "<b>w</b> <i>x";
  MeasureLine("5 MB of short tags and blanks", tags);
  std::string link = "<a href=\"x.htm\">";
  while (link.size() < kFiveMb) link += "<<<<<<<<<<>";
  MeasureLine("5 MB of \"<\" runs after a link", link);
}

}  // namespace
}  // namespace docbase

int main() {
  docbase::MeasurePageSet();
  docbase::MeasureLongLines();
  return 0;
}
