// Measures word extraction: the pages of a corpus made by
// bench/make_corpus.py (word_extraction_bench.sh makes 10 MB in 1000 texts),
// then single long lines that would expose work growing faster than the
// line length. Prints the times; it asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/test_support.h"
#include "base/text.h"
#include "io/line_writer.h"
#include "pages/input_pages_for_test.h"
#include "words/page_word_scanner.h"
#include "words/word_extraction.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
      .count();
}

// Pages as the page set gives them, one per text of `corpus` (made by
// bench/make_corpus.py) in name order: each line after "<br>", read through
// the page cleaner as the program reads them.
void MeasurePageSet(const std::filesystem::path& corpus) {
  testing::TempFolder folder("word_bench");
  WorkArea area(folder.path());
  std::vector<std::filesystem::path> texts;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (entry.path().extension() == TextExtension()) texts.push_back(entry);
  }
  std::sort(texts.begin(), texts.end());
  const std::string pad(1 + std::to_string(texts.size()).size(), '0');
  size_t total = 0;
  uint64_t number = 0;
  std::vector<NumberedPage> pages;
  for (const std::filesystem::path& text : texts) {
    std::string page = "<html>\r\n<body>\r\n";
    const std::string bytes = testing::ReadFile(text);
    size_t begin = 0;
    while (begin < bytes.size()) {
      size_t end = bytes.find('\n', begin);
      if (end == std::string::npos) end = bytes.size();
      page.append("<br>").append(bytes, begin, end - begin).append("\r\n");
      begin = end + 1;
    }
    page += "</body>\r\n</html>\r\n";
    total += page.size();
    pages.push_back(
        testing::InputPage(area, NumberedPageName(pad, ++number), page));
  }
  auto start = std::chrono::steady_clock::now();
  std::clock_t cpu_start = std::clock();
  WordCensus census;
  Status status = ExtractWords(area, std::move(pages), 1, &census);
  double cpu_seconds =
      static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  double seconds = SecondsSince(start);
  auto records = std::filesystem::file_size(OccurrenceFile(area));
  std::printf(
      "page set: %d pages, %.1f MB, %s, occurrences %.1f MB\n"
      "  %.3f s elapsed (%.1f MB/s), %.3f s processor time "
      "(user and system)\n",
      static_cast<int>(texts.size()), total / 1e6, status.ok() ? "ok" : "FAILED", records / 1e6,
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

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: word_extraction_bench CORPUS_FOLDER\n");
    return 2;
  }
  docbase::MeasurePageSet(argv[1]);
  docbase::MeasureLongLines();
  return 0;
}
