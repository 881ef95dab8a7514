#include "workarea/folder_setup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

constexpr char kAnyKeyExit[] = "<any key>\r\n";

class FolderSetupTest : public ::testing::Test {
 protected:
  bool Exists(const char* name) { return fs::exists(area_.Path(name)); }
  bool IsFolder(const char* name) { return fs::is_directory(area_.Path(name)); }

  // Both set-up steps, with the empty line the driver shows between them:
  // whether one of them stopped the run (a failure fails the test).
  bool SetUpStops(testing::RecordingReport& report) {
    bool stopped = false;
    EXPECT_TRUE(SetUpInputFolder(area_, report, &stopped).ok());
    if (stopped) return true;
    report.Progress("");
    EXPECT_TRUE(
        SetUpWorkFolders(area_, report, &input_file_count_, &stopped).ok());
    return stopped;
  }
  bool OutputSetUpStops(testing::RecordingReport& report) {
    bool stopped = false;
    EXPECT_TRUE(SetUpOutputFolders(area_, report, &stopped).ok());
    return stopped;
  }

  bool InputPresent() {
    bool present = true;
    EXPECT_TRUE(CheckInputPresence(area_, &present).ok());
    return present;
  }

  TempFolder folder_;
  WorkArea area_{folder_.path()};
  int64_t input_file_count_ = 0;
};

TEST_F(FolderSetupTest, InputPresenceCountsLowerCaseTxtOnly) {
  // Missing txt_in.
  EXPECT_FALSE(InputPresent());

  // Only upper-case names: listed, but not counted.
  fs::create_directory(area_.Path("txt_in"));
  WriteFile(area_.Path("txt_in/A.TXT"), "a");
  EXPECT_FALSE(InputPresent());
  EXPECT_EQ(ReadFile(area_.Path("txt_file.txt")), "A.TXT\r\n");

  WriteFile(area_.Path("txt_in/b.txt"), "b");
  EXPECT_TRUE(InputPresent());
}

TEST_F(FolderSetupTest, InputPresenceEmptiesAnOldOutput) {
  fs::create_directory(area_.Path("txt_in"));
  WriteFile(area_.Path("txt_in/a.txt"), "a");
  fs::create_directory(area_.Path("htm_out"));
  WriteFile(area_.Path("htm_out/page_01.htm"), "old");
  EXPECT_TRUE(InputPresent());
  EXPECT_TRUE(fs::is_empty(area_.Path("htm_out")));
  EXPECT_EQ(ReadFile(area_.Path("txt_in/a.txt")), "a");
}

TEST_F(FolderSetupTest, SetUpMakesFoldersAndCountsAllListedNames) {
  fs::create_directory(area_.Path("txt_in"));
  WriteFile(area_.Path("txt_in/a.txt"), "");
  WriteFile(area_.Path("txt_in/B.TXT"), "");
  WriteFile(area_.Path("txt_in/c.dat"), "");
  fs::create_directory(area_.Path("htm_in"));
  WriteFile(area_.Path("htm_in/old.htm"), "");
  fs::create_directory(area_.Path("txt_wrk"));
  WriteFile(area_.Path("txt_wrk/old.txt"), "");

  testing::RecordingReport report;
  ASSERT_FALSE(SetUpStops(report));
  EXPECT_EQ(report.transcript(), "\r\n");
  EXPECT_EQ(input_file_count_, 2);
  EXPECT_EQ(ReadFile(area_.Path("txt_file.list")), "B.TXT\r\na.txt\r\n");
  for (const char* name : {"htm_in", "txt_wrk", "htm_wrk"}) {
    EXPECT_TRUE(IsFolder(name)) << name;
    EXPECT_TRUE(fs::is_empty(area_.Path(name))) << name;
  }
}

TEST_F(FolderSetupTest, SetUpFailureMessages) {
  // A file blocks htm_in: the folder cannot be made.
  WriteFile(area_.Path("htm_in"), "");
  testing::RecordingReport no_htm_in;
  EXPECT_TRUE(SetUpStops(no_htm_in));
  EXPECT_EQ(no_htm_in.transcript(),
            std::string("--------------------------------\r\n"
                        "subfolder htm_in must be created\r\n\r\n") +
                kAnyKeyExit);
  fs::remove(area_.Path("htm_in"));

  // No txt_in.
  testing::RecordingReport no_input;
  EXPECT_TRUE(SetUpStops(no_input));
  EXPECT_EQ(no_input.transcript(),
            std::string("\r\n------------------\r\n"
                        "missing txt_in subfolder\r\n\r\n") +
                kAnyKeyExit);

  // A file blocks txt_wrk.
  fs::create_directory(area_.Path("txt_in"));
  WriteFile(area_.Path("txt_in/a.txt"), "");
  WriteFile(area_.Path("txt_wrk"), "mine");
  testing::RecordingReport no_txt_wrk;
  EXPECT_TRUE(SetUpStops(no_txt_wrk));
  EXPECT_EQ(no_txt_wrk.transcript(),
            std::string("\r\n----------------------------\r\n"
                        "Subfolder txt_wrk must be created.\r\n\r\n") +
                kAnyKeyExit);
  EXPECT_EQ(ReadFile(area_.Path("txt_wrk")), "mine");
}

TEST_F(FolderSetupTest, PresenceIsASubstringOfAFolderName) {
  // htm_in cannot be made (a file), but old_htm_in satisfies the test.
  WriteFile(area_.Path("htm_in"), "");
  fs::create_directory(area_.Path("old_htm_in"));
  fs::create_directory(area_.Path("txt_in"));
  WriteFile(area_.Path("txt_in/a.txt"), "");
  // A work folder is made all the same when only a longer name holds it.
  fs::create_directory(area_.Path("old_txt_wrk"));
  testing::RecordingReport report;
  EXPECT_FALSE(SetUpStops(report));
  EXPECT_TRUE(IsFolder("txt_wrk"));
  EXPECT_TRUE(IsFolder("htm_wrk"));
}

TEST_F(FolderSetupTest, CleanUpRemovesOnlyTheRunsFileTypes) {
  for (const char* name :
       {"a.txt", "B.TXT", "x.list", "page_01.htm", "f.html", "check_01.txt"}) {
    WriteFile(area_.Path(name), "old");
  }
  WriteFile(area_.Path("keep.dat"), "k");
  WriteFile(area_.Path("notes.txt.bak"), "k");
  fs::create_directory(area_.Path("txt_in"));
  WriteFile(area_.Path("txt_in/in.txt"), "in");
  fs::create_directory(area_.Path("folder.txt"));
  fs::create_directory(area_.Path("htm_out"));
  WriteFile(area_.Path("htm_out/index.htm"), "old");
  WriteFile(area_.Path("htm_out/picture.png"), "old");

  ASSERT_TRUE(CleanStaleFiles(area_).ok());
  EXPECT_FALSE(Exists("htm_out"));
  EXPECT_FALSE(Exists("trace"));
  for (const char* name :
       {"a.txt", "B.TXT", "x.list", "page_01.htm", "f.html", "check_01.txt"}) {
    EXPECT_FALSE(Exists(name)) << name;
  }
  EXPECT_TRUE(Exists("keep.dat"));
  EXPECT_TRUE(Exists("notes.txt.bak"));
  EXPECT_TRUE(IsFolder("folder.txt"));
  EXPECT_EQ(ReadFile(area_.Path("txt_in/in.txt")), "in");
  // The last listing is the presence test of the old htm_out.
  EXPECT_EQ(ReadFile(area_.Path("dir_01.txt")), "htm_out\r\ntxt_in\r\n");
}

TEST_F(FolderSetupTest, CleanUpMakesAnEmptyTraceFileInATraceFolder) {
  fs::create_directory(area_.Path("trace"));
  WriteFile(area_.Path("trace/file_trace.txt"), "earlier run");
  WriteFile(area_.Path("trace/other.txt"), "mine");
  ASSERT_TRUE(CleanStaleFiles(area_).ok());
  EXPECT_EQ(ReadFile(area_.Path("trace/file_trace.txt")), "");
  EXPECT_EQ(ReadFile(area_.Path("trace/other.txt")), "mine");

  // A file named trace is not the folder.
  fs::remove_all(area_.Path("trace"));
  WriteFile(area_.Path("trace"), "");
  ASSERT_TRUE(CleanStaleFiles(area_).ok());
  EXPECT_EQ(ReadFile(area_.Path("trace")), "");
}

TEST_F(FolderSetupTest, OutputFolderSetUp) {
  testing::RecordingReport report;
  ASSERT_FALSE(OutputSetUpStops(report));
  EXPECT_TRUE(IsFolder("htm_in"));
  EXPECT_TRUE(IsFolder("htm_out"));
  EXPECT_EQ(report.transcript(), "");

  fs::remove(area_.Path("htm_out"));
  WriteFile(area_.Path("htm_out"), "");
  testing::RecordingReport blocked;
  EXPECT_TRUE(OutputSetUpStops(blocked));
  EXPECT_EQ(blocked.transcript(),
            std::string("------------------------------------------\r\n"
                        "subfolders htm_in, htm_out must be created\r\n\r\n") +
                kAnyKeyExit);
}

TEST_F(FolderSetupTest, UnwritableListingIsAnIoError) {
  fs::create_directory(area_.Path("txt_file.txt"));
  bool present = false;
  Status status = CheckInputPresence(area_, &present);
  EXPECT_TRUE(status.io_error());
  EXPECT_NE(status.path().find("txt_file.txt"), std::string::npos);
}

}  // namespace
}  // namespace docbase
