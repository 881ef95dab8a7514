// Fuzz check of the word ids (NumberWords) and the occurrence numbers
// (OccurrenceNumbering), fed word lists as word extraction feeds them,
// against a slow reference that sorts every occurrence as the word tables
// order them.
//
// Input layout: pages separated by a form feed (0x0C), lines by LF, words by
// blanks; a word's column is its byte position in its line, plus 999,990
// on a line that starts with "+" (so that columns cross the 6 characters
// the tables pad them to). A double quote in a word stands as an
// apostrophe, as the word scan gives it. Words whose lower-casing holds
// "&nbsp;" belong to no word and are left out, as extraction leaves them.
//
// Reference: the lower-cased words sorted as the text followed by a double
// quote, byte by byte; a word's id number is the count of the occurrences
// of the words before it. The occurrences sorted by word, page, line, the
// spelling as found (followed by a double quote), then the column as its
// blank-padded 6-character text (followed by a double quote): within a
// word, its occurrence number k is its place in that order, from 1.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "words/occurrence_numbering.h"
#include "words/vocabulary.h"
#include "words/word_census.h"
#include "words/word_ids.h"

namespace docbase::fuzz {

struct NumberedWord {
  uint32_t page;
  uint32_t line;
  uint32_t column;
  std::string spelling;
  std::string lower;
  uint32_t k = 0;  // as numbered by the program
};

// The words of `input` in document order, by the layout above.
inline std::vector<NumberedWord> WordsOf(std::string_view input) {
  std::vector<NumberedWord> words;
  uint32_t page = 0, line = 1;
  size_t line_start = 0;
  uint32_t offset = 0;
  size_t at = 0;
  while (at < input.size()) {
    const char c = input[at];
    if (c == '\f' || c == '\n') {
      if (c == '\f') {
        ++page;
        line = 1;
      } else {
        ++line;
      }
      line_start = ++at;
      offset = at < input.size() && input[at] == '+' ? 999990 : 0;
      continue;
    }
    if (at == line_start && c == '+') offset = 999990;
    if (c == ' ') {
      ++at;
      continue;
    }
    NumberedWord word;
    word.page = page;
    word.line = line;
    word.column = static_cast<uint32_t>(at - line_start + 1) + offset;
    while (at < input.size() && input[at] != ' ' && input[at] != '\n' &&
           input[at] != '\f') {
      word.spelling.push_back(input[at] == '"' ? '\'' : input[at]);
      ++at;
    }
    for (char s : word.spelling) {
      word.lower.push_back(s >= 'A' && s <= 'Z' ? static_cast<char>(s + 32)
                                                : s);
    }
    if (word.lower.find("&nbsp;") == std::string::npos) {
      words.push_back(std::move(word));
    }
  }
  return words;
}

inline std::string PaddedColumnField(uint32_t column) {
  std::string digits = std::to_string(column);
  if (digits.size() < 6) digits.insert(0, 6 - digits.size(), ' ');
  return digits + '"';
}

inline std::string CheckWordNumbering(std::string_view input,
                                      const std::filesystem::path&) {
  std::vector<NumberedWord> words = WordsOf(input);

  // The program: one line at a time, as extraction numbers them.
  WordCensus census;
  OccurrenceNumbering numbering;
  std::vector<uint32_t> word_of_occurrence(words.size());
  std::vector<LineHit> hits;
  for (size_t first = 0; first < words.size();) {
    size_t end = first;
    hits.clear();
    while (end < words.size() && words[end].page == words[first].page &&
           words[end].line == words[first].line) {
      uint32_t spelling = 0;
      if (!census.vocabulary.Intern(words[end].spelling, &spelling).ok()) {
        return "Intern failed";
      }
      const uint32_t word = census.vocabulary.word_of(spelling);
      if (word == Vocabulary::kNoWord) {
        return "no word for " + Shown(words[end].spelling);
      }
      word_of_occurrence[end] = word;
      hits.push_back(LineHit{word, spelling, words[end].column});
      ++end;
    }
    numbering.NumberLine(census.vocabulary, &hits);
    for (size_t i = first; i < end; ++i) words[i].k = hits[i - first].k;
    first = end;
  }
  census.word_counts = numbering.Counts(census.vocabulary.word_count());
  const WordIds ids = NumberWords(census);

  // The reference ids.
  std::map<std::string, uint32_t> counts;  // by lower-cased word
  for (const NumberedWord& word : words) ++counts[word.lower];
  std::vector<std::string> order;
  for (const auto& [lower, count] : counts) order.push_back(lower);
  std::sort(order.begin(), order.end(),
            [](const std::string& a, const std::string& b) {
              return a + '"' < b + '"';
            });
  std::map<std::string, uint32_t> number, rank;
  uint32_t position = 0;
  for (uint32_t r = 0; r < order.size(); ++r) {
    number[order[r]] = position;
    rank[order[r]] = r;
    position += counts[order[r]];
  }
  if (census.vocabulary.word_count() != order.size()) {
    return std::to_string(census.vocabulary.word_count()) + " words, " +
           std::to_string(order.size()) + " expected";
  }
  for (size_t i = 0; i < words.size(); ++i) {
    const uint32_t word = word_of_occurrence[i];
    const std::string& lower = words[i].lower;
    if (census.vocabulary.word(word) != lower) {
      return "word of " + Shown(words[i].spelling) + " is " +
             Shown(census.vocabulary.word(word));
    }
    if (census.word_counts[word] != counts[lower]) {
      return "count of " + Shown(lower) + " is " +
             std::to_string(census.word_counts[word]) + ", expected " +
             std::to_string(counts[lower]);
    }
    if (ids.number_of_word[word] != number[lower] ||
        ids.rank_of_word[word] != rank[lower]) {
      return "id of " + Shown(lower) + " is " +
             std::to_string(ids.number_of_word[word]) + " (rank " +
             std::to_string(ids.rank_of_word[word]) + "), expected " +
             std::to_string(number[lower]) + " (rank " +
             std::to_string(rank[lower]) + ")";
    }
  }

  // The reference occurrence numbers: every occurrence in table order.
  std::vector<size_t> table(words.size());
  for (size_t i = 0; i < table.size(); ++i) table[i] = i;
  std::stable_sort(table.begin(), table.end(), [&](size_t a, size_t b) {
    const NumberedWord& x = words[a];
    const NumberedWord& y = words[b];
    if (x.lower != y.lower) return x.lower + '"' < y.lower + '"';
    if (x.page != y.page) return x.page < y.page;
    if (x.line != y.line) return x.line < y.line;
    if (x.spelling != y.spelling) return x.spelling + '"' < y.spelling + '"';
    return PaddedColumnField(x.column) < PaddedColumnField(y.column);
  });
  uint32_t k = 0;
  for (size_t i = 0; i < table.size(); ++i) {
    const NumberedWord& word = words[table[i]];
    k = i > 0 && words[table[i - 1]].lower == word.lower ? k + 1 : 1;
    if (word.k != k) {
      return Shown(word.spelling) + " on page " + std::to_string(word.page) +
             " line " + std::to_string(word.line) + " column " +
             std::to_string(word.column) + " numbered " +
             std::to_string(word.k) + ", expected " + std::to_string(k);
    }
  }
  return "";
}

}  // namespace docbase::fuzz
