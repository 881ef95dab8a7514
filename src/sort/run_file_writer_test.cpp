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

TEST(RunFileWriterTest, KnowsTheLastLineAcrossFlushes) {
  testing::TempFolder folder;
  RunFileWriter writer;
  ASSERT_TRUE(writer.Open(folder.path() / "out.txt").ok());
  EXPECT_EQ(writer.last_line(), "");
  std::string expected;
  // Lines of 100 bytes fill and flush the 1 MiB buffer many times over.
  for (int i = 0; i < 30000; ++i) {
    std::string line = std::to_string(i) + std::string(95, 'x');
    writer.WriteLine(line);
    ASSERT_EQ(writer.last_line(), line);
    expected += line + "\r\n";
  }
  std::string long_line(2 << 20, 'y');
  writer.WriteLine(long_line);
  EXPECT_EQ(writer.last_line(), long_line);
  writer.WriteLine("z");
  EXPECT_EQ(writer.last_line(), "z");
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(ReadFile(folder.path() / "out.txt"),
            expected + long_line + "\r\nz\r\n");
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
