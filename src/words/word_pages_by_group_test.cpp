#include "words/word_pages_by_group.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/test_support.h"
#include "platform/path.h"

namespace docbase {

// Found by the comparisons of gtest.
static bool operator==(const StoredWordPage& a, const StoredWordPage& b) {
  return std::memcmp(&a, &b, sizeof(StoredWordPage)) == 0;
}

namespace {

namespace fs = std::filesystem;

class WordPagesByGroupTest : public ::testing::Test {
 protected:
  // 40 pages: every fifth without words (group 0), the others in 7 groups
  // by turns, so each stretch of the table holds records of every group.
  WordPagesByGroupTest() {
    for (uint32_t page = 0; page < 40; ++page) {
      group_of_page_.push_back(page % 5 == 0 ? 0 : page % 7 + 1);
    }
  }

  // A table of `count` records over the 40 pages, added out of order, and
  // its records as a pass gives them.
  void FillTable(uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
      const uint32_t rank = (i * 7919) % 613;
      ASSERT_TRUE(table_.Add({rank, (i * 31) % 40, rank, i, i + 1, i}).ok());
    }
    ASSERT_TRUE(table_.Finish().ok());
    WordPageTable::Reader reader;
    ASSERT_TRUE(table_.Open(&reader).ok());
    StoredWordPage record;
    while (reader.Next(&record)) sorted_.push_back(record);
    ASSERT_TRUE(reader.status().ok());
  }

  // The records of `group` through a reader, at most `most`; `status` gets
  // its status.
  std::vector<StoredWordPage> ReadGroup(WordPagesByGroup& by_group,
                                        int64_t group, Status* status,
                                        size_t most = SIZE_MAX) {
    std::vector<StoredWordPage> records;
    WordPagesByGroup::Reader reader;
    *status = by_group.Open(group, &reader);
    StoredWordPage record;
    while (status->ok() && records.size() < most && reader.Next(&record)) {
      records.push_back(record);
    }
    if (status->ok()) *status = reader.status();
    return records;
  }

  fs::path GroupPath() const { return folder_.path() / "by_group.txt"; }

  testing::TempFolder folder_;
  std::vector<uint32_t> group_of_page_;
  // Runs of 100 records on disk, merged as the table is read.
  WordPageTable table_{folder_.path() / "runs.txt",
                       100 * sizeof(StoredWordPage) * 3 / 2};
  std::vector<StoredWordPage> sorted_;
};

// A budget of 50 records sorts 2999 records in about a hundred runs: every
// group gets exactly its records in table order (group 8 has no pages, and
// none), also after a group that stopped reading part way.
TEST_F(WordPagesByGroupTest, EachGroupReadsItsRecordsInTableOrder) {
  FillTable(2999);
  WordPagesByGroup by_group(GroupPath(), 50 * sizeof(StoredWordPage));
  ASSERT_TRUE(by_group.Build(table_, group_of_page_).ok());
  ASSERT_TRUE(fs::exists(GroupPath()));
  size_t total = 0;
  for (int64_t group = 1; group <= 8; ++group) {
    std::vector<StoredWordPage> expected;
    for (const StoredWordPage& record : sorted_) {
      if (group_of_page_[record.page] == group) expected.push_back(record);
    }
    Status status;
    if (group == 3) {
      expected.resize(5);
      EXPECT_EQ(ReadGroup(by_group, group, &status, 5), expected);
      continue;
    }
    EXPECT_EQ(ReadGroup(by_group, group, &status), expected) << group;
    EXPECT_TRUE(status.ok()) << status.ToString();
    total += expected.size();
  }
  EXPECT_GT(total, 1500u);
}

TEST_F(WordPagesByGroupTest, DamageIsAnErrorNamingItsFile) {
  FillTable(2999);
  // A record of a page the run does not have: the table is damaged. (Its
  // own scope: Windows does not let the next Build replace a file that is
  // still open.)
  Status status;
  {
    std::vector<uint32_t> fewer_pages(group_of_page_.begin(),
                                      group_of_page_.begin() + 30);
    WordPagesByGroup short_of_pages(GroupPath(), 50 * sizeof(StoredWordPage));
    status = short_of_pages.Build(table_, fewer_pages);
    EXPECT_TRUE(status.io_error());
    EXPECT_EQ(status.path(), table_.path());
  }

  // A changed byte in the sorted runs: the group that reads it fails, and
  // so does every group after it.
  WordPagesByGroup by_group(GroupPath(), 50 * sizeof(StoredWordPage));
  ASSERT_TRUE(by_group.Build(table_, group_of_page_).ok());
  {
    std::fstream file(GroupPath(),
                      std::ios::in | std::ios::out | std::ios::binary);
    file.seekg(5000);
    const char byte = static_cast<char>(file.get());
    file.seekp(5000);
    file.put(static_cast<char>(byte ^ 0x5a));
  }
  bool failed = false;
  for (int64_t group = 1; group <= 8; ++group) {
    ReadGroup(by_group, group, &status);
    if (!failed && status.ok()) continue;
    failed = true;
    EXPECT_TRUE(status.io_error()) << group;
    EXPECT_EQ(status.path(), Utf8FromPath(GroupPath())) << group;
  }
  EXPECT_TRUE(failed);
}

}  // namespace
}  // namespace docbase
