// The modern layout holds the classic document base's words and links in
// other pages: every word of the classic main index stands in the modern
// main index with the same spelling and total count; with node, every local
// link of every page lands, those its script makes included, and every
// classic anchor and strip is there (modern_site_check.js); and Debian's
// tidy finds nothing to say about the modern pages of the sample.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "adversarial_inputs.h"
#include "base/test_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::ReadFile;
using docbase::testing::TempFolder;
using docbase::testing::WriteFile;
namespace fs = std::filesystem;

// Runs a whole run in `folder` (txt_in filled) with `options`.
void RunDocbase(const fs::path& folder, std::vector<std::string> options) {
  options.insert(options.begin(),
                 {"-C", folder.string(), "--yes", "--address", "www.a.org"});
  ProgramOutcome outcome = RunProgram(DOCBASE_BINARY, options, folder, "");
  ASSERT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
}

std::string Unescaped(std::string text) {
  static const std::pair<const char*, const char*> kReferences[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [reference, byte] : kReferences) {
    for (size_t at = text.find(reference); at != std::string::npos;
         at = text.find(reference, at + 1)) {
      text.replace(at, std::string(reference).size(), byte);
    }
  }
  return text;
}

// Node, when installed, runs the check of the modern pages as their script
// makes them (modern_site_check.js): every local link lands, those the
// script makes included; with `classic`, the classic ids and strips of the
// same texts are all there. Skips (returns false) without node.
bool ExpectSiteCheckPasses(const fs::path& site, const fs::path& classic = {}) {
  const fs::path node = "/usr/bin/node";
  if (!fs::exists(node)) return false;
  std::vector<std::string> arguments = {
      (fs::path(DOCBASE_SOURCE_DIR) / "tests" / "e2e" / "modern_site_check.js")
          .string(),
      site.string()};
  if (!classic.empty()) arguments.push_back(classic.string());
  ProgramOutcome outcome = RunProgram(node.string(), arguments, site, "");
  EXPECT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
  EXPECT_NE(outcome.out.find(" 0 failed"), std::string::npos) << outcome.out;
  return true;
}

struct IndexWord {
  std::string word;
  uint64_t total = 0;
  bool operator==(const IndexWord&) const = default;
};

// The classic main index: a word line, then its group links
// <a href="i_G.htm#ID" id="ID">(i_G,&nbsp;&nbsp;N)</a>.
std::map<std::string, IndexWord> ClassicIndex(const fs::path& site) {
  static const std::regex kLink(
      R"re(^&nbsp;&nbsp;<a href="i_\d+\.htm#(id\d+)" id="id\d+">\(i_\d+,&nbsp;&nbsp;(\d+)\)</a>$)re");
  std::map<std::string, IndexWord> words;
  const std::string text = ReadFile(site / "index.htm");
  const std::string body = text.substr(text.find("(CTRL + F)"));
  std::string word, line;
  bool in_word = false;
  for (size_t at = body.find("\r\n<br><br>\r\n") + 12; at < body.size();) {
    const size_t end = body.find("\r\n", at);
    line = body.substr(at, end - at);
    at = end + 2;
    std::smatch match;
    if (std::regex_match(line, match, kLink)) {
      IndexWord& entry = words[match[1]];
      entry.word = word;
      entry.total += std::stoull(match[2]);
      in_word = false;
    } else if (line == "<br>" || line == "</body>" || line == "</html>") {
      in_word = false;
    } else if (!in_word) {
      word = line;
      in_word = true;
    }
  }
  return words;
}

// The modern main index: <p id="ID"><b>WORD</b> i_G (N), i_H (M)</p>.
std::map<std::string, IndexWord> ModernIndex(const fs::path& site) {
  static const std::regex kEntry(R"re(<p id="(id\d+)"><b>([^<]*)</b>(.*)</p>)re");
  static const std::regex kCount(R"re(i_\d+ \((\d+)\))re");
  std::map<std::string, IndexWord> words;
  for (int part = 1; fs::exists(site / ("index_" + std::to_string(part) + ".htm"));
       ++part) {
    const std::string text =
        ReadFile(site / ("index_" + std::to_string(part) + ".htm"));
    for (std::sregex_iterator it(text.begin(), text.end(), kEntry), end;
         it != end; ++it) {
      IndexWord& entry = words[(*it)[1]];
      entry.word = Unescaped((*it)[2]);
      const std::string links = (*it)[3];
      for (std::sregex_iterator count(links.begin(), links.end(), kCount);
           count != end; ++count) {
        entry.total += std::stoull((*count)[1]);
      }
    }
  }
  return words;
}

// Runs both layouts on `fill`'s texts and compares them.
// The modern main index must take at least `parts` pages.
void ExpectModernHoldsTheClassicBase(
    void (*fill)(const fs::path& txt_in),
    const std::vector<std::string>& options = {}, int parts = 1) {
  TempFolder classic, modern;
  fill(classic.path() / "txt_in");
  fill(modern.path() / "txt_in");
  RunDocbase(classic.path(), options);
  std::vector<std::string> modern_options = options;
  modern_options.insert(modern_options.end(), {"--layout", "modern"});
  RunDocbase(modern.path(), modern_options);
  if (::testing::Test::HasFatalFailure()) return;

  const fs::path site = modern.path() / "htm_out";
  EXPECT_TRUE(fs::exists(site / ("index_" + std::to_string(parts) + ".htm")));
  // The classic anchors and strips are the modern ones only with the same
  // groups.
  const bool same_groups =
      std::find(options.begin(), options.end(), "--group-size") != options.end();
  ExpectSiteCheckPasses(site, same_groups ? classic.path() / "htm_out" : fs::path());
  const auto classic_words = ClassicIndex(classic.path() / "htm_out");
  EXPECT_GT(classic_words.size(), 0u);
  EXPECT_EQ(ModernIndex(site), classic_words);
}

void FillSample(const fs::path& txt_in) {
  fs::copy(fs::path(DOCBASE_SOURCE_DIR) / "examples" / "txt_in", txt_in);
}

// Texts of thousands of distinct words, some in several spellings, some
// with markup characters and letters beyond ASCII, so that the main index
// takes several pages and the groups are many.
void FillGenerated(const fs::path& txt_in) {
  fs::create_directories(txt_in);
  uint64_t state = 12345;
  auto next = [&] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 33;
  };
  for (int file = 0; file < 12; ++file) {
    std::string text;
    for (int line = 0; line < 300; ++line) {
      for (int word = 0; word < 8; ++word) {
        uint64_t n = next() % 9000;
        std::string w;
        do {
          w += static_cast<char>('a' + n % 26);
          n /= 26;
        } while (n > 0);
        switch (next() % 16) {
          case 0: w[0] = static_cast<char>(w[0] - 32); break;
          case 1: w += "\xc3\xa9"; break;
          case 2: w = "\xc3\x89" + w; break;
          case 3: w += "&amp;<b>"; break;
          case 4: w = "\"" + w + "\""; break;
          default: break;
        }
        text += w + (word == 7 ? "\n" : " ");
      }
    }
    WriteFile(txt_in / ("text" + std::to_string(file) + ".txt"), text);
  }
}

void FillHostile(const fs::path& txt_in) {
  docbase::e2e::WriteAdversarialInputs(txt_in, {"names", "nul", "cr"});
}

TEST(ModernLayoutEndToEnd, SampleLinksLandAndIndexMatches) {
  ExpectModernHoldsTheClassicBase(FillSample);
}

TEST(ModernLayoutEndToEnd, GeneratedManyWordsInManyGroups) {
  ExpectModernHoldsTheClassicBase(FillGenerated, {"--group-size", "2"}, 2);
}

TEST(ModernLayoutEndToEnd, HostileNamesAndBytes) {
  ExpectModernHoldsTheClassicBase(FillHostile);
}

// Debian's tidy, when installed: no error and no warning on any modern
// page of the sample (a page in the classic form is not one).
TEST(ModernLayoutEndToEnd, TidyFindsNothingOnTheSample) {
  const fs::path tidy = "/usr/bin/tidy";
  if (!fs::exists(tidy)) GTEST_SKIP() << "tidy is not installed";
  TempFolder folder;
  FillSample(folder.path() / "txt_in");
  RunDocbase(folder.path(), {"--layout", "modern"});
  if (HasFatalFailure()) return;
  size_t pages = 0;
  for (const auto& file : fs::directory_iterator(folder.path() / "htm_out")) {
    if (file.path().extension() != ".htm" ||
        !ReadFile(file.path()).starts_with("<!DOCTYPE html>")) {
      continue;
    }
    ++pages;
    ProgramOutcome outcome = RunProgram(
        tidy.string(), {"-q", "-e", file.path().string()}, folder.path(), "");
    EXPECT_EQ(outcome.exit_status, 0) << file.path();
    EXPECT_EQ(outcome.err, "") << file.path();
  }
  EXPECT_GT(pages, 5u);
}

}  // namespace
}  // namespace docbase::e2e
