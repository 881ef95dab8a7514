#include "sort/record_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "base/test_support.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

// 20 bytes, ordered by `key` alone; `serial` tells equal keys apart.
struct Record {
  uint32_t key;
  uint32_t serial;
  char rest[12];
  bool operator==(const Record& other) const {
    return std::memcmp(this, &other, sizeof(Record)) == 0;
  }
};
static_assert(sizeof(Record) == 20);

struct KeyLess {
  bool operator()(const Record& a, const Record& b) const {
    return a.key < b.key;
  }
};

using Sorter = RecordSorter<Record, KeyLess>;

// A budget that makes runs of `records`.
constexpr size_t BudgetFor(size_t records) { return records * 30; }

// `count` records with few distinct keys, so an unstable step would show.
std::vector<Record> RandomRecords(size_t count, uint64_t seed) {
  std::mt19937 rng(seed);
  std::vector<Record> records(count);
  for (size_t i = 0; i < count; ++i) {
    records[i].key = static_cast<uint32_t>(rng() % 97);
    records[i].serial = static_cast<uint32_t>(i);
    std::memset(records[i].rest, static_cast<int>(i % 251),
                sizeof(records[i].rest));
  }
  return records;
}

std::vector<Record> Expected(std::vector<Record> records) {
  std::stable_sort(records.begin(), records.end(), KeyLess());
  return records;
}

// One pass; `status` gets the reader's status.
std::vector<Record> ReadAll(const Sorter& sorter, Status* status) {
  Sorter::Reader reader;
  std::vector<Record> out;
  *status = sorter.Open(&reader);
  if (!status->ok()) return out;
  Record record;
  while (reader.Next(&record)) out.push_back(record);
  *status = reader.status();
  return out;
}

void AddAll(Sorter& sorter, const std::vector<Record>& records) {
  for (const Record& record : records) ASSERT_TRUE(sorter.Add(record).ok());
  ASSERT_TRUE(sorter.Finish().ok());
}

class RecordSorterTest : public ::testing::Test {
 protected:
  fs::path RunPath() const { return folder_.path() / "runs.bin"; }
  fs::path MergePath() const { return folder_.path() / "runs_merge.bin"; }

  // Two passes give the stable order; Remove leaves no work file.
  void ExpectSortedTwiceThenRemoved(Sorter& sorter,
                                    const std::vector<Record>& input) {
    std::vector<Record> expected = Expected(input);
    for (int pass = 0; pass < 2; ++pass) {
      Status status;
      EXPECT_EQ(ReadAll(sorter, &status), expected) << pass;
      EXPECT_TRUE(status.ok()) << status.ToString();
    }
    ASSERT_TRUE(sorter.Remove().ok());
    EXPECT_FALSE(fs::exists(RunPath()));
    EXPECT_FALSE(fs::exists(MergePath()));
  }

  testing::TempFolder folder_;
};

TEST_F(RecordSorterTest, MergesStablyFromEveryLayoutOfRuns) {
  struct Case {
    const char* layout;
    size_t records;
    size_t budget_records;
    size_t runs;
    bool in_run_file;  // the last runs lie in the run file, not "_merge"
  };
  const Case cases[] = {
      {"hundreds of runs, one merge", 20000, 70, 286, true},
      // One record per run: 512 * 512 + 1 runs take two levels in the work
      // files (the second writes over the run file) before the last merge.
      {"two levels", 512 * 512 + 1, 1, 512 * 512 + 1, true},
      {"one level, into the merge file", 3000, 5, 600, false},
  };
  uint64_t seed = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layout);
    std::vector<Record> input = RandomRecords(c.records, seed++);
    Sorter sorter(RunPath(), MergePath(), BudgetFor(c.budget_records));
    AddAll(sorter, input);
    EXPECT_EQ(sorter.size(), input.size());
    EXPECT_EQ(sorter.runs_written(), c.runs);
    EXPECT_EQ(fs::exists(RunPath()), c.in_run_file);
    EXPECT_EQ(fs::exists(MergePath()), !c.in_run_file);
    ExpectSortedTwiceThenRemoved(sorter, input);
  }
}

// Runs sorted and written on the side while the next buffer fills give the
// same order; a run file that cannot be made fails an Add or Finish.
TEST_F(RecordSorterTest, SortingAsideGivesTheSameOrder) {
  for (size_t records : {size_t{20000}, size_t{3000}}) {
    std::vector<Record> input = RandomRecords(records, records);
    Sorter sorter(RunPath(), MergePath(), BudgetFor(5), KeyLess(), true);
    AddAll(sorter, input);
    EXPECT_GT(sorter.runs_written(), 512u);  // a merge in levels as well
    ExpectSortedTwiceThenRemoved(sorter, input);
  }
  fs::path path = folder_.path() / "missing" / "runs.bin";
  Sorter failing(path, MergePath(), BudgetFor(10), KeyLess(), true);
  Status status;
  for (const Record& record : RandomRecords(100, 7)) {
    status = failing.Add(record);
    if (!status.ok()) break;
  }
  if (status.ok()) status = failing.Finish();
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), path.string());
}

TEST_F(RecordSorterTest, EmptyInputMakesNoFile) {
  Sorter sorter(RunPath(), MergePath(), BudgetFor(10));
  ASSERT_TRUE(sorter.Finish().ok());
  Status status;
  EXPECT_TRUE(ReadAll(sorter, &status).empty());
  EXPECT_TRUE(status.ok());
  EXPECT_EQ(sorter.size(), 0u);
  EXPECT_FALSE(fs::exists(RunPath()));
  EXPECT_TRUE(sorter.Remove().ok());
}

TEST_F(RecordSorterTest, ExactlyOneBufferStaysInMemory) {
  std::vector<Record> input = RandomRecords(2000, 4);
  Sorter sorter(RunPath(), MergePath(), BudgetFor(2000));
  AddAll(sorter, input);
  EXPECT_EQ(sorter.runs_written(), 0u);
  EXPECT_FALSE(fs::exists(RunPath()));
  ExpectSortedTwiceThenRemoved(sorter, input);

  // One record more makes two runs in the file.
  Sorter spilling(RunPath(), MergePath(), BudgetFor(2000));
  input.push_back(input.front());
  AddAll(spilling, input);
  EXPECT_EQ(spilling.runs_written(), 2u);
  EXPECT_TRUE(fs::exists(RunPath()));
  ExpectSortedTwiceThenRemoved(spilling, input);
}

TEST_F(RecordSorterTest, FileCutShortIsAnError) {
  std::vector<Record> input = RandomRecords(5000, 5);
  Sorter sorter(RunPath(), MergePath(), BudgetFor(100));
  AddAll(sorter, input);
  uint64_t size = fs::file_size(RunPath());
  // Inside a record, then at a record boundary.
  for (uint64_t cut : {size - 7, size - 20 * 3}) {
    fs::resize_file(RunPath(), cut);
    Status status;
    std::vector<Record> out = ReadAll(sorter, &status);
    EXPECT_TRUE(status.io_error()) << cut;
    EXPECT_EQ(status.path(), RunPath().string());
    EXPECT_LT(out.size(), input.size());
  }
}

TEST_F(RecordSorterTest, DamageThatBreaksTheOrderIsAnError) {
  std::vector<Record> input = RandomRecords(5000, 6);
  Sorter sorter(RunPath(), MergePath(), BudgetFor(100));
  AddAll(sorter, input);
  {
    // The first key of the first run becomes the largest of all.
    std::fstream file(RunPath(),
                      std::ios::in | std::ios::out | std::ios::binary);
    uint32_t key = 1000;
    file.write(reinterpret_cast<const char*>(&key), sizeof(key));
  }
  Status status;
  ReadAll(sorter, &status);
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), RunPath().string());
}

// A change no order check can see: a byte that only the checksum of its
// run covers, and bytes added at the end.
TEST_F(RecordSorterTest, DamageThatKeepsTheOrderIsAnError) {
  std::vector<Record> input = RandomRecords(5000, 8);
  Sorter sorter(RunPath(), MergePath(), BudgetFor(100));
  AddAll(sorter, input);
  {
    std::fstream file(RunPath(),
                      std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(20 * 150 + 10);  // in `rest` of a record of the second run
    file.put('\x7f');
  }
  Status status;
  std::vector<Record> out = ReadAll(sorter, &status);
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), RunPath().string());
  EXPECT_LT(out.size(), input.size());

  Sorter grown(folder_.path() / "grown.bin", MergePath(), BudgetFor(100));
  AddAll(grown, input);
  std::ofstream(folder_.path() / "grown.bin", std::ios::app) << "x";
  ReadAll(grown, &status);
  EXPECT_TRUE(status.io_error());
}

TEST_F(RecordSorterTest, FileThatCannotBeMadeIsNamed) {
  fs::path path = folder_.path() / "missing" / "runs.bin";
  Sorter sorter(path, MergePath(), BudgetFor(10));
  Status status;
  for (const Record& record : RandomRecords(11, 7)) {
    status = sorter.Add(record);
    if (!status.ok()) break;
  }
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), path.string());
  Status finish = sorter.Finish();
  EXPECT_TRUE(finish.io_error());
  EXPECT_EQ(finish.path(), path.string());
  Sorter::Reader reader;
  EXPECT_TRUE(sorter.Open(&reader).io_error());
}

}  // namespace
}  // namespace docbase
