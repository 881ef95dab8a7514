// A corpus of hostile input files for the end-to-end tests and for the
// script that watches a run for started processes: names that a shell
// would take apart (blanks, quotes, ";", "&", "|", "$(...)", backquotes, a
// leading "-"), names that are not UTF-8 and names of 200 bytes; contents
// with NUL bytes, lone CRs and no line end at all.
//
// Each file holds one word made for it ("hostileword" and a letter), so a
// test can see that every file was indexed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/test_support.h"

namespace docbase::e2e {

struct HostileFile {
  std::string name;
  std::string contents;
  std::string marker;  // the word only this file holds
};

inline std::vector<HostileFile> HostileFiles() {
  using namespace std::string_literals;  // "..."s keeps NUL bytes
  const std::vector<std::pair<std::string, std::string>> files = {
      {"with blanks in it.txt", "plain words here\n"},
      {"quote\"double.txt", "a \"quoted\" word\n"},
      {"quote'single.txt", "it's an apostrophe\n"},
      {"semi;colon.txt", "one; two; three\n"},
      {"amp&ersand.txt", "this & that &amp; more\n"},
      {"pipe|name.txt", "left | right\n"},
      {"$(touch pwned_dollar).txt", "$(touch pwned_inside) words\n"},
      {"`touch pwned_tick`.txt", "`touch pwned_text` words\n"},
      {"-leading-dash.txt", "-rf words\n"},
      {"--help.txt", "--version words\n"},
      {"bad\xff\xfe utf8.txt", "bytes \xc3\x28 and \xff here\n"},
      {std::string(196, 'n') + ".txt", "a long name\n"},
      {"nul bytes.txt", "before\0after words\n\0\0\n"s},
      {"lone cr.txt", "first line\rsecond line\rthird\r"},
      {"no line end.txt", "last words without end"},
      {"percent %s %n %d.txt", "%s%n%x format words\n"},
      {"back\\slash.txt", "c:\\path\\to words\n"},
      {"<tag>&lt;.txt", "<script>alert(1)</script> words\n"},
  };
  std::vector<HostileFile> hostile;
  char letter = 'a';
  for (const auto& [name, contents] : files) {
    std::string marker = std::string("hostileword") + letter++;
    hostile.push_back({name, contents + " " + marker + "\n", marker});
  }
  return hostile;
}

inline void WriteHostileFiles(const std::filesystem::path& txt_in) {
  std::filesystem::create_directories(txt_in);
  for (const HostileFile& file : HostileFiles()) {
    testing::WriteFile(txt_in / file.name, file.contents);
  }
}

}  // namespace docbase::e2e
