#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/test_support.h"
#include "io/line_reader.h"
#include "io/line_writer.h"
#include "platform/path.h"

namespace docbase {
namespace {

using testing::TempFolder;

std::vector<std::string> ReadAllLines(const std::filesystem::path& path) {
  LineReader reader;
  EXPECT_TRUE(reader.Open(path).ok());
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.Next(&line)) lines.emplace_back(line);
  EXPECT_TRUE(reader.status().ok());
  return lines;
}

TEST(LineReaderTest, SplitsAtLfCrLfAndLoneCr) {
  TempFolder folder;
  auto path = folder.path() / "mixed.txt";
  testing::WriteFile(path, "a\nb\r\nc\rd\r\re\n\nlast");
  EXPECT_EQ(ReadAllLines(path), (std::vector<std::string>{
                                    "a", "b", "c", "d", "", "e", "", "last"}));
}

TEST(LineReaderTest, EmptyAndMissingFilesHaveNoLines) {
  TempFolder folder;
  auto path = folder.path() / "empty.txt";
  testing::WriteFile(path, "");
  EXPECT_TRUE(ReadAllLines(path).empty());
  LineReader reader;
  EXPECT_TRUE(reader.Open(folder.path() / "missing.txt").ok());
  EXPECT_FALSE(reader.found());
  std::string_view line;
  EXPECT_FALSE(reader.Next(&line));
}

TEST(LineReaderTest, CrLfSplitAcrossTheBufferEdgeIsOneLineEnd) {
  TempFolder folder;
  auto path = folder.path() / "edge.txt";
  // The first read fills 1 MiB; put the CR as its last byte.
  std::string first((1 << 20) - 1, 'x');
  testing::WriteFile(path, first + "\r\nnext\r");
  std::vector<std::string> lines = ReadAllLines(path);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], first);
  EXPECT_EQ(lines[1], "next");
}

TEST(LineReaderTest, LinesLongerThanTheBufferAndNulBytesSurvive) {
  TempFolder folder;
  auto path = folder.path() / "long.txt";
  std::string long_line(3 << 20, 'y');
  long_line[5] = '\0';
  testing::WriteFile(path, long_line + "\nz");
  std::vector<std::string> lines = ReadAllLines(path);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], long_line);
  EXPECT_EQ(lines[1], "z");
}

TEST(LineWriterTest, WritesCrLfLinesAndAppends) {
  TempFolder folder;
  auto path = folder.path() / "out.txt";
  LineWriter writer;
  ASSERT_TRUE(writer.Open(path).ok());
  writer.WriteLine("plain");
  writer.WriteLine("\"a,b\"");
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(testing::ReadFile(path), "plain\r\n\"a,b\"\r\n");

  ASSERT_TRUE(writer.Open(path, LineWriter::Mode::kAppend).ok());
  writer.WriteLine("more");
  ASSERT_TRUE(writer.Close().ok());
  EXPECT_EQ(testing::ReadFile(path), "plain\r\n\"a,b\"\r\nmore\r\n");
}

// A file is written fresh at its name: a link there, or another name of a
// file, is replaced and what it pointed to keeps its bytes. (A full disk is
// tried end to end, on a small file system of its own.)
TEST(LineWriterTest, ReplacesLinksAndOtherNamesInsteadOfWritingThrough) {
  TempFolder folder;
  const std::filesystem::path outside = folder.path() / "outside.txt";
  testing::WriteFile(outside, "keep");
  std::error_code error;
  std::filesystem::create_symlink(outside, folder.path() / "link.txt", error);
  if (error) GTEST_SKIP() << "cannot make a link here: " << error.message();
  std::filesystem::create_hard_link(outside, folder.path() / "hard.txt");
  for (const char* name : {"link.txt", "hard.txt"}) {
    LineWriter writer;
    ASSERT_TRUE(writer.Open(folder.path() / name).ok());
    writer.WriteLine("new");
    ASSERT_TRUE(writer.Close().ok());
    EXPECT_EQ(testing::ReadFile(folder.path() / name), "new\r\n");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.path() / name));
  }
  EXPECT_EQ(testing::ReadFile(outside), "keep");
}

TEST(LineWriterTest, UncreatableFileIsAnError) {
  TempFolder folder;
  LineWriter writer;
  Status status = writer.Open(folder.path() / "no_such_folder" / "x.txt");
  EXPECT_TRUE(status.io_error());
}

}  // namespace
}  // namespace docbase
