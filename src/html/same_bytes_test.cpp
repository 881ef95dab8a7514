#include "html/same_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace docbase {
namespace {

// Every length around the two-word window, with a difference at each
// position in turn.
TEST(SameBytesTest, FindsADifferenceAtEveryPositionOfEveryLength) {
  for (size_t size = 0; size <= 20; ++size) {
    const std::string a(size, 'x');
    EXPECT_TRUE(SameBytes(a, std::string(size, 'x')));
    EXPECT_FALSE(SameBytes(a, std::string(size + 1, 'x')));
    for (size_t at = 0; at < size; ++at) {
      std::string b = a;
      b[at] = 'y';
      EXPECT_FALSE(SameBytes(a, b)) << size << " " << at;
    }
  }
  EXPECT_TRUE(SameBytes("", std::string_view()));
}

}  // namespace
}  // namespace docbase
