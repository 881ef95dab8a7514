#include "workarea/file_names.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(FileNamesTest, NumberedPagesFillThePadOrOverflowIt) {
  EXPECT_EQ(NumberedPageName("00", 1), "page_01.htm");
  EXPECT_EQ(NumberedPageName("00", 10), "page_10.htm");
  EXPECT_EQ(NumberedPageName("000", 11), "page_011.htm");
  EXPECT_EQ(NumberedPageName("00", 123), "page_123.htm");
  EXPECT_EQ(NumberedPageName("", 1), "page_1.htm");
}

}  // namespace
}  // namespace docbase
