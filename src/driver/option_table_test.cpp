#include "driver/option_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace docbase {
namespace {

// The parser finds a row by its names and takes a value joined onto a
// short name (-CDIR): two rows with one name, or a short name that is the
// start of a long one, would make one option shadow another.
TEST(OptionTableTest, EveryNameNamesOneRowAndNoShortNameStartsALongOne) {
  std::set<std::string_view> names;
  for (const OptionRow& row : OptionRows()) {
    ASSERT_TRUE(row.long_name.starts_with("--")) << row.long_name;
    EXPECT_TRUE(names.insert(row.long_name).second) << row.long_name;
    EXPECT_NE(row.take, nullptr) << row.long_name;
    if (row.short_name.empty()) continue;
    EXPECT_EQ(row.short_name.size(), 2u) << row.short_name;
    EXPECT_EQ(row.short_name[0], '-');
    EXPECT_NE(row.short_name[1], '-');
    EXPECT_TRUE(names.insert(row.short_name).second) << row.short_name;
  }
}

TEST(OptionTableTest, ATakenValueReachesTheCommandLine) {
  CommandLine line;
  for (const OptionRow& row : OptionRows()) {
    if (row.long_name == "--group-size") {
      EXPECT_EQ(row.take("7", &line), "");
      EXPECT_EQ(row.take("1", &line),
                "--group-size '1' is not a number of 2 or more");
    }
    if (row.long_name == "--jobs") {
      EXPECT_EQ(row.take("0001", &line), "");
      EXPECT_EQ(row.take("12345", &line),
                "option '-j' needs a number of threads from 1 to 1024");
    }
  }
  EXPECT_EQ(line.settings.group_size, 7);
  EXPECT_EQ(line.jobs, 1);
}

}  // namespace
}  // namespace docbase
