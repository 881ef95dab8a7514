// The annotated pages and the contents page of the modern layout against
// the classic ones made from the same sample corpus and group size: every
// element id of a classic annotated page (word spans, strips, occurrence
// anchors) is an id of the modern page, and the modern page's word record
// gives, for every classic strip, exactly the strip's links; the contents
// page keeps every page's id and names the text beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/test_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::ReadFile;
using docbase::testing::TempFolder;
namespace fs = std::filesystem;

class ModernPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

  // Runs on the sample corpus in `folder` with `options` added.
  static void Run(const TempFolder& folder, std::vector<std::string> options) {
    fs::copy(fs::path(DOCBASE_SOURCE_DIR) / "examples" / "txt_in",
             folder.path() / "txt_in", fs::copy_options::recursive);
    options.insert(options.begin(),
                   {"-C", folder.path().string(), "--yes", "--address", "",
                    "--group-size", "2"});
    ProgramOutcome outcome =
        RunProgram(DOCBASE_BINARY, options, folder.path(), "");
    ASSERT_EQ(outcome.exit_status, 0) << outcome.out << outcome.err;
  }

  TempFolder classic_;
  TempFolder modern_;
};

std::set<std::string> IdsOf(const std::string& page) {
  std::set<std::string> ids;
  static const std::regex kId("id ?= ?\"([^\"]*)\"");
  for (std::sregex_iterator it(page.begin(), page.end(), kId), end; it != end;
       ++it) {
    ids.insert((*it)[1]);
  }
  return ids;
}

// The value of "NAME":"VALUE" in the word record of a modern page.
std::string RecordName(const std::string& page, const std::string& name) {
  std::smatch found;
  const std::regex pattern("\"" + name + "\":\"([^\"]*)\"");
  return std::regex_search(page, found, pattern) ? found[1].str() : "?";
}

TEST_F(ModernPagesTest, KeepEveryClassicIdAndTheLinksOfEveryStrip) {
  Run(classic_, {});
  Run(modern_, {"--layout", "modern"});
  const fs::path classic_out = classic_.path() / "htm_out";
  const fs::path modern_out = modern_.path() / "htm_out";
  EXPECT_TRUE(fs::exists(modern_out / "docbase.css"));
  EXPECT_TRUE(fs::exists(modern_out / "docbase.js"));

  int pages = 0;
  int strips = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(classic_out)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("page_", 0) != 0) continue;
    SCOPED_TRACE(name);
    ++pages;
    const std::string classic = ReadFile(entry.path());
    const std::string modern = ReadFile(modern_out / name);
    const std::set<std::string> modern_ids = IdsOf(modern);
    for (const std::string& id : IdsOf(classic)) {
      EXPECT_TRUE(modern_ids.count(id)) << "id " << id << " missing";
    }

    // The word record: "ID":[LAST,"NEXT"] per word with a strip.
    std::map<std::string, std::pair<int, std::string>> words;
    static const std::regex kWord("\"(id[0-9]+)\":\\[([0-9]+),\"([^\"]*)\"\\]");
    for (std::sregex_iterator it(modern.begin(), modern.end(), kWord), end;
         it != end; ++it) {
      words[(*it)[1]] = {std::stoi((*it)[2]), (*it)[3]};
    }
    const std::string index = RecordName(modern, "index");
    const std::string search = RecordName(modern, "search");
    const std::string contents = RecordName(modern, "contents");

    // Each classic strip, and the links the modern strip of the same
    // occurrence is built with.
    static const std::regex kStrip(
        "<span hidden id=\"(id[0-9]+)\">\r\n\\(([0-9]+)\\)([\\s\\S]*?)</span>");
    static const std::regex kHref("href=\"([^\"]*)\"");
    for (std::sregex_iterator it(classic.begin(), classic.end(), kStrip), end;
         it != end; ++it) {
      ++strips;
      const std::string id = (*it)[1];
      const int k = std::stoi((*it)[2]);
      const std::string body = (*it)[3];
      std::vector<std::string> classic_links;
      for (std::sregex_iterator h(body.begin(), body.end(), kHref), hend;
           h != hend; ++h) {
        classic_links.push_back((*h)[1]);
      }
      ASSERT_TRUE(words.count(id)) << "no word record for " << id;
      const auto& [last, next] = words[id];
      // The classic strip's link to the same occurrence (an empty link)
      // is left out of the modern one.
      std::vector<std::string> modern_links = {
          "#" + id + "_" + std::to_string(k < last ? k + 1 : k),
          index + "#" + id, search + "#" + id + "_" + std::to_string(k),
          contents};
      if (!next.empty()) modern_links.push_back(next + "#" + id);
      EXPECT_EQ(classic_links, modern_links) << "strip of " << id << "_" << k;
      EXPECT_TRUE(modern_ids.count(id + "_" + std::to_string(k)));
    }
  }
  EXPECT_EQ(pages, 6);
  EXPECT_GT(strips, 300);

  // The modern title is the text's own name; the contents page keeps
  // every page's id and shows the text's name beside it.
  const std::string harbour = ReadFile(modern_out / "page_02.htm");
  EXPECT_NE(harbour.find("<title>harbour.txt</title>"), std::string::npos);
  const std::string modern_contents = ReadFile(modern_out / "files_list.htm");
  const std::set<std::string> contents_ids = IdsOf(modern_contents);
  for (const std::string& id : IdsOf(ReadFile(classic_out / "files_list.htm"))) {
    EXPECT_TRUE(contents_ids.count(id)) << id;
  }
  EXPECT_NE(modern_contents.find("<li id=\"page_06.htm\"><a href=\"page_06.htm\">"
                                 "page_06.htm</a> <span class=\"text-name\">"
                                 "travellers.txt</span></li>"),
            std::string::npos);
}

}  // namespace
}  // namespace docbase::e2e
