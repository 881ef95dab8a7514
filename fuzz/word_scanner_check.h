// Fuzz check of the word scan of word extraction, fed whole pages line by
// line (a tag may continue across lines, script and style blocks span
// lines). The input is cut in two pages.
//
// - Every word is at least 3 bytes and lies inside its line at its column:
//   the line's bytes there are the word's, except that a double quote in
//   the line may stand as an apostrophe in the word. Words come in column
//   order and do not overlap.
// - Line numbers count every line of the page, dropped or not.
// - One page cannot change another: the second page scanned after the
//   first (BeginPage between) gives the words it gives on its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "words/page_word_scanner.h"

namespace docbase::fuzz {

// Scans `page`; returns a failure description or "" and appends one text
// per word (line, column, word) to `*words`.
inline std::string ScanPage(PageWordScanner& scanner, std::string_view page,
                            std::vector<std::string>* words) {
  scanner.BeginPage();
  std::vector<WordHit> hits;
  size_t line_number = 0;
  for (std::string_view line : SplitLines(page)) {
    ++line_number;
    bool scanned = scanner.ScanLine(line, &hits);
    if (scanner.line_number() != line_number) {
      return "line " + std::to_string(line_number) + " counted as " +
             std::to_string(scanner.line_number());
    }
    if (!scanned && !hits.empty()) return "words from a dropped line";
    size_t next_free = 1;  // first column after the previous word
    for (const WordHit& hit : hits) {
      std::string where = " in line " + Shown(line) + " at column " +
                          std::to_string(hit.column);
      if (hit.column < 1 || hit.column - 1 + size_t{hit.size} > line.size()) {
        return "word past the end" + where;
      }
      std::string word;
      AppendWordText(line, hit, &word);
      where += ": " + Shown(word);
      if (word.size() < kMinimumWordBytes) return "short word" + where;
      if (hit.column < next_free) return "overlapping word" + where;
      for (size_t i = 0; i < word.size(); ++i) {
        char in_line = line[hit.column - 1 + i];
        if (word[i] != in_line && !(word[i] == '\'' && in_line == '"')) {
          return "word is not the line's bytes" + where;
        }
      }
      next_free = hit.column + word.size();
      words->push_back(std::to_string(line_number) + ":" +
                       std::to_string(hit.column) + ":" + word);
    }
  }
  return "";
}

inline std::string CheckWordScanner(std::string_view input,
                                    const std::filesystem::path&) {
  auto [first, second] = CutInTwo(input);
  PageWordScanner scanner;
  std::vector<std::string> first_words, second_after_first, second_alone;
  std::string failure = ScanPage(scanner, first, &first_words);
  if (failure.empty()) failure = ScanPage(scanner, second, &second_after_first);
  PageWordScanner fresh;
  if (failure.empty()) failure = ScanPage(fresh, second, &second_alone);
  if (!failure.empty()) return failure;
  if (second_after_first != second_alone) {
    return "page " + Shown(second) + " scanned after " + Shown(first) +
           " gives " + std::to_string(second_after_first.size()) +
           " words, alone " + std::to_string(second_alone.size());
  }
  return "";
}

}  // namespace docbase::fuzz
