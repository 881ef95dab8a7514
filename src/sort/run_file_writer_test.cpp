#include "sort/run_file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/test_support.h"

namespace docbase {
namespace {

using testing::ReadFile;
using testing::WriteFile;

TEST(RunFileWriterTest, WritesOverAnEarlierFileAndCutsItToTheNewLength) {
  testing::TempFolder folder;
  auto path = folder.path() / "file_s_1.txt";
  WriteFile(path, "a much longer earlier run\r\nof two lines\r\n");
  RunFileWriter writer;
  ASSERT_TRUE(writer.Open(path).ok());
  writer.WriteLine("b");
  writer.WriteLine("");
  writer.WriteLine(std::string(3 << 20, 'x'));  // longer than the buffer
  writer.WriteLine("c");
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(ReadFile(path), "b\r\n\r\n" + std::string(3 << 20, 'x') +
                                "\r\nc\r\n");

  // Reused for a shorter file, and for a new one.
  ASSERT_TRUE(writer.Open(path).ok());
  writer.WriteLine("d");
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(ReadFile(path), "d\r\n");
  ASSERT_TRUE(writer.Open(folder.path() / "new.txt").ok());
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(ReadFile(folder.path() / "new.txt"), "");
}

TEST(RunFileWriterTest, AFileWithAnotherNameIsReplacedNotWrittenOver) {
  testing::TempFolder folder;
  auto path = folder.path() / "sort_output.txt";
  auto other = folder.path() / "wrd_05.txt";
  WriteFile(path, "result\r\n");
  std::filesystem::create_hard_link(path, other);
  RunFileWriter writer;
  ASSERT_TRUE(writer.Open(path).ok());
  writer.WriteLine("new");
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(ReadFile(path), "new\r\n");
  EXPECT_EQ(ReadFile(other), "result\r\n");
}

TEST(RunFileWriterTest, UncreatableFileIsAnIoError) {
  testing::TempFolder folder;
  RunFileWriter writer;
  Status status = writer.Open(folder.path() / "missing" / "file_s_1.txt");
  EXPECT_TRUE(status.io_error());
  EXPECT_NE(status.path().find("file_s_1.txt"), std::string::npos);
}

}  // namespace
}  // namespace docbase
