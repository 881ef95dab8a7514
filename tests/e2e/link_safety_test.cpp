// A run deletes and replaces what is in its own folder, never what a link
// there points to: links under the names the run writes, empties or
// removes, and another name of an outside file, leave every outside file as
// it was. A link in the place of htm_out stops the run before anything in it
// is deleted.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "hardening_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::TempFolder;
using docbase::testing::WriteFile;
namespace fs = std::filesystem;

// The files a run of the sample writes in its folder, and two more names
// the run has used for work files.
const char* const kWrittenNames[] = {
    ".docbase.lock", "check_01.txt",   "check_02.txt",   "dir_01.txt",
    "dir_02.txt",    "dir_03.txt",     "dir_cur.txt",    "files_list.htm",
    "i_1.htm",       "i_2.htm",        "index.htm",      "page_01.htm",
    "page_01_02.htm", "page_02.htm",   "publisher_para.txt", "s_1.htm",
    "s_2.htm",       "txt_file.list",  "txt_file.txt",   "txt_wrk.list",
    "wrd_page_words.txt", "wrd_group_word_pages.txt", "out_null.txt",
    "key.select.txt"};
const char* const kWorkFolders[] = {"txt_wrk", "htm_wrk", "htm_in", "htm_ndx",
                                    "wrd_24"};

// An outside folder with a file and a sub-folder with a file.
void MakeOutsideFolder(const fs::path& folder) {
  fs::create_directories(folder / "sub");
  WriteFile(folder / "photo.jpg", "jpeg bytes");
  WriteFile(folder / "sub" / "notes.txt", "notes");
}

class LinkSafetyEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = scratch_.path() / "base";
    outside_ = scratch_.path() / "outside";
    fs::create_directories(program_);
    fs::create_directories(outside_);
    fs::copy(fs::path(DOCBASE_SOURCE_DIR) / "examples" / "txt_in",
             program_ / "txt_in", fs::copy_options::recursive);
  }

  TempFolder scratch_{"docbase_links"};
  fs::path program_;
  fs::path outside_;
};

TEST_F(LinkSafetyEndToEnd, NothingOutsideTheFolderIsWrittenOrDeleted) {
  for (const char* name : kWrittenNames) {
    WriteFile(outside_ / name, std::string("outside ") + name);
    fs::create_symlink(outside_ / name, program_ / name);
  }
  WriteFile(outside_ / "hard.txt", "another name of this file");
  fs::create_hard_link(outside_ / "hard.txt", program_ / "wrd_occurrences.txt");
  for (const char* folder : kWorkFolders) {
    MakeOutsideFolder(outside_ / folder);
    fs::create_directory_symlink(outside_ / folder, program_ / folder);
  }
  const Snapshot before = TakeSnapshot(outside_);

  ProgramOutcome outcome = RunDocbaseBinary(program_, kAnswers);
  EXPECT_EQ(outcome.exit_status, 0) << outcome.out;
  EXPECT_NE(outcome.out.find(kDone), std::string::npos);
  EXPECT_FALSE(fs::is_symlink(program_ / "htm_out"));
  EXPECT_TRUE(fs::exists(program_ / "htm_out" / "index.htm"));
  DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(outside_), before);
}

TEST_F(LinkSafetyEndToEnd, OutputFolderAsALinkStopsTheRunUntouched) {
  MakeOutsideFolder(outside_ / "site");
  fs::create_directory_symlink(outside_ / "site", program_ / "htm_out");
  const Snapshot before = TakeSnapshot(outside_);

  ProgramOutcome outcome = RunDocbaseBinary(program_, kAnswers);
  EXPECT_EQ(outcome.exit_status, 1) << outcome.out;
  EXPECT_NE(outcome.out.find("file:   htm_out"), std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.out.find("is a link"), std::string::npos);
  EXPECT_TRUE(fs::is_symlink(program_ / "htm_out"));
  DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(outside_), before);
}

}  // namespace
}  // namespace docbase::e2e
