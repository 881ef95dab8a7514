#include "workarea/collection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "platform/path.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class CollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(area_.Path("txt_in"));
    WriteFile(area_.Path("txt_in/notes.txt"), "notes");
    for (const char* folder : {"htm_in", "htm_ndx", "htm_ndx/htm_in", "htm_wrk",
                               "txt_wrk", "wrd_24"}) {
      fs::create_directory(area_.Path(folder));
      WriteFile(area_.Path(std::string(folder) + "/work.htm"), "w");
    }
    for (const char* page : {"page_1.htm", "page_2.htm", "page_3.htm"}) {
      WriteFile(area_.Path(page), page);
    }
    for (const char* page : {"files_list.htm", "index.htm", "i_1.htm",
                             "i_2.htm", "s_1.htm", "s_2.htm"}) {
      WriteFile(area_.Path(page), page);
    }
    // Intermediate files, and working copies of inputs named like group
    // pages, which must not reach the output.
    for (const char* name :
         {"wrd_01.txt", "id00000001.txt", "out_null.list", "f_promote.htm",
          "page_2_01.htm", "i_notes.htm", "s_3.htm", "publisher_para.txt"}) {
      WriteFile(area_.Path(name), "x");
    }
  }

  TempFolder folder_;
  WorkArea area_{folder_.path()};
  // The page list as listed, blanks kept; two page groups.
  const std::vector<std::string> pages_{"page_1.htm", " page_2.htm ",
                                        "page_3.htm"};
};

TEST_F(CollectionTest, OutputHoldsExactlyTheDocumentBase) {
  fs::create_directory(area_.Path("htm_out"));
  WriteFile(area_.Path("htm_out/page_9.htm"), "earlier run");
  WriteFile(area_.Path("program.bin"), "user file");
  fs::create_directory(area_.Path("trace"));
  WriteFile(area_.Path("trace/file_trace.txt"), "");

  ASSERT_TRUE(CollectOutput(area_, pages_, 2).ok());
  EXPECT_EQ(Entries(area_.Path("htm_out")),
            (std::vector<std::string>{"files_list.htm", "i_1.htm", "i_2.htm",
                                      "index.htm", "page_1.htm", "page_2.htm",
                                      "page_3.htm", "s_1.htm", "s_2.htm"}));
  EXPECT_EQ(ReadFile(area_.Path("htm_out/page_2.htm")), "page_2.htm");
  EXPECT_EQ(ReadFile(area_.Path("htm_out/s_2.htm")), "s_2.htm");
  EXPECT_EQ(Entries(folder_.path()),
            (std::vector<std::string>{"dir_01.txt", "htm_out", "program.bin",
                                      "trace", "txt_in"}));
  EXPECT_EQ(ReadFile(area_.Path("txt_in/notes.txt")), "notes");
  EXPECT_TRUE(fs::exists(area_.Path("trace/file_trace.txt")));
  // The last listing is that of the last work folder, already emptied.
  EXPECT_EQ(ReadFile(area_.Path("dir_01.txt")),
            NativePathText(fs::absolute(area_.Path("wrd_24/work.htm"))
                               .lexically_normal()) +
                "\r\n");
}

TEST_F(CollectionTest, MakesTheOutputFolderAndKeepsBlockedFolders) {
  // A work folder holding a sub-folder cannot be removed; the run goes on.
  fs::create_directory(area_.Path("wrd_24/deeper"));
  WriteFile(area_.Path("wrd_24/deeper/x.txt"), "x");
  // A folder whose name merely contains htm_out does not stand in for it.
  fs::create_directory(area_.Path("old_htm_out"));
  ASSERT_TRUE(CollectOutput(area_, pages_, 2).ok());
  EXPECT_EQ(Entries(area_.Path("htm_out")).size(), 9u);
  EXPECT_TRUE(fs::is_empty(area_.Path("old_htm_out")));
  EXPECT_FALSE(fs::exists(area_.Path("htm_ndx")));
  EXPECT_EQ(Entries(area_.Path("wrd_24")), std::vector<std::string>{"deeper"});
  EXPECT_TRUE(fs::is_empty(area_.Path("wrd_24/deeper")));
}

TEST_F(CollectionTest, NamesHoldingLineEndsGoWithTheirFolders) {
  for (const char* name : {"txt_wrk/line\nbreak.txt", "txt_wrk/cr\rname.txt",
                           "htm_in/line\nbreak.htm", "htm_wrk/end\n.htm"}) {
    WriteFile(area_.Path(name), "x");
  }
  ASSERT_TRUE(CollectOutput(area_, pages_, 2).ok());
  EXPECT_EQ(Entries(folder_.path()),
            (std::vector<std::string>{"dir_01.txt", "htm_out", "txt_in"}));
}

}  // namespace
}  // namespace docbase
