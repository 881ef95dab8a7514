// For tests of the phases after the word tables: writes wrd_03.txt,
// wrd_07.txt and wrd_08.txt for a list of word occurrences, made the way
// the word table pipeline makes them (lower-cased, sorted by byte order,
// word ids and occurrence numbers), with in-memory sorts.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "common/quoted_record.h"
#include "common/test_support.h"
#include "common/text.h"
#include "workarea/work_area.h"

namespace docbase::testing {

struct Occurrence {
  std::string page;
  int line;
  int col;
  std::string word;
};

inline std::string QuotedLine(std::initializer_list<std::string_view> fields) {
  std::string line;
  AppendQuotedRecord(&line, fields);
  return line + "\r\n";
}

inline std::vector<std::string> RecordFields(const std::string& line) {
  std::vector<std::string_view> views;
  SplitQuotedRecord(std::string_view(line).substr(0, line.size() - 2), &views);
  return std::vector<std::string>(views.begin(), views.end());
}

inline void WriteWordTables(const WorkArea& area,
                            const std::vector<Occurrence>& occurrences) {
  std::vector<std::string> by_word;
  for (const Occurrence& o : occurrences) {
    std::string lc = ToLowerAscii(o.word);
    if (Contains(lc, "&nbsp;")) continue;
    by_word.push_back(QuotedLine({lc, o.page, BlankPadded(o.line, 10), o.word,
                                  BlankPadded(o.col, 6), o.word}));
  }
  std::sort(by_word.begin(), by_word.end());
  std::string wrd_03;
  std::vector<std::string> wrd_04;
  std::string last_lc, id, previous_id;
  uint64_t k = 0;
  for (size_t i = 0; i < by_word.size(); ++i) {
    // lc, page, line, word, col, w5
    std::vector<std::string> f = RecordFields(by_word[i]);
    if (i == 0 || f[0] != last_lc) id = WordId(i);
    last_lc = f[0];
    wrd_03 += QuotedLine({f[1], f[2], f[4], f[3], id});
    k = (i == 0 || id != previous_id) ? 1 : k + 1;
    previous_id = id;
    if (Contains(f[1], "page_")) {
      wrd_04.push_back(QuotedLine({f[1], f[2], f[4], f[3], id,
                                   std::to_string(k)}));
    }
  }
  std::sort(wrd_04.begin(), wrd_04.end());
  std::vector<std::string> wrd_07;
  for (const std::string& line : wrd_04) {
    // page, line, col, word, id, k
    std::vector<std::string> f = RecordFields(line);
    std::string inv = ZeroPadded(100000000 - std::stoull(f[5]), 8);
    wrd_07.push_back(
        QuotedLine({inv, f[4], f[0], f[1], f[2], f[3], f[4], f[5]}));
  }
  std::string document_order;
  for (const std::string& line : wrd_07) document_order += line;
  std::sort(wrd_07.begin(), wrd_07.end());
  std::string by_count;
  for (const std::string& line : wrd_07) by_count += line;
  WriteFile(area.Path("wrd_03.txt"), wrd_03);
  WriteFile(area.Path("wrd_07.txt"), document_order);
  WriteFile(area.Path("wrd_08.txt"), by_count);
}

}  // namespace docbase::testing
