// The word box of the modern main index compares words as the word ids
// order them: byte by byte in UTF-8, ASCII letters lower-cased only, as if
// a double quote followed each word. Node runs the modern script against
// stand-in pages (word_box_check.js) for words whose order depends
// on every part of that rule; skipped where node is not installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "html/modern/assets.h"
#include "program_runner.h"
#include "words/table_order.h"

namespace docbase::e2e {
namespace {

using docbase::testing::TempFolder;
using docbase::testing::WriteFile;
namespace fs = std::filesystem;

TEST(WordBoxTest, FindsEveryWordInTheOrderOfTheIndex) {
  const fs::path node = "/usr/bin/node";
  if (!fs::exists(node)) GTEST_SKIP() << "node is not installed";
  std::vector<std::string> words = {
      "abc", "abc!", "abcd", "ABD", "abc-d", "Zebra", "zz", "a_b", "a[b",
      "9-12.", "\xc3\x89t\xc3\xa9",             // Été: no case change
      "\xc3\xa9t\xc3\xa9",                      // été
      "\xef\xbc\xa1",                           // U+FF21, after a surrogate
      "\xf0\x9f\x98\x80",                       // U+1F600 in UTF-16
      "\xe6\x97\xa5\xe6\x9c\xac", "a&amp;b", "<tag>", "x\"y"};
  std::sort(words.begin(), words.end(), LowerFieldLess);
  TempFolder folder;
  std::string list;
  for (const std::string& word : words) list += word + "\n";
  WriteFile(folder.path() / "words.txt", list);
  WriteFile(folder.path() / "script.js", std::string(ModernScript()));

  ProgramOutcome outcome = RunProgram(
      node.string(),
      {fs::path(DOCBASE_SOURCE_DIR) / "tests/e2e/word_box_check.js",
       (folder.path() / "script.js").string(),
       (folder.path() / "words.txt").string()},
      folder.path(), "");
  EXPECT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
}

}  // namespace
}  // namespace docbase::e2e
