#include "html/piece_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace docbase {
namespace {

TEST(PieceBufferTest, KeepsThePiecesAcrossGrowthAndClearing) {
  PieceBuffer buffer;
  EXPECT_EQ(buffer.view(), "");
  buffer.Append("");
  EXPECT_EQ(buffer.view(), "");
  std::string expected;
  for (int i = 0; i < 2000; ++i) {
    const std::string piece = std::to_string(i) + "<span>";
    buffer.Append(piece);
    buffer.Append(' ');
    expected += piece + " ";
  }
  const std::string long_piece(5000, 'x');
  buffer.Append(long_piece);
  expected += long_piece;
  EXPECT_EQ(buffer.view(), expected);
  EXPECT_EQ(buffer.size(), expected.size());
  buffer.Clear();
  buffer.Append("again");
  EXPECT_EQ(buffer.view(), "again");
}

}  // namespace
}  // namespace docbase
