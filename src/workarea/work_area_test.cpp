#include "workarea/work_area.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(WorkAreaDeathTest, AnEmptyRootStopsAtOnce) {
  // An empty root would be the current directory, where a clean-up deletes
  // the *.txt and *.htm files of whatever folder the tests run in.
  EXPECT_DEATH(WorkArea(std::filesystem::path()), "needs a folder");
  EXPECT_EQ(WorkArea::CurrentDirectory().Path("a.txt"), "a.txt");
}

}  // namespace
}  // namespace docbase
