#include "io/record_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "io/checksum.h"

namespace docbase {
namespace {

struct Pair {
  uint32_t a;
  uint32_t b;
};

class RecordFileTest : public ::testing::Test {
 protected:
  // Writes `count` records and keeps their checksum.
  void SetUp() override {
    for (uint32_t i = 0; i < kCount; ++i) records_.push_back(Pair{i, 7 * i});
    std::string bytes(reinterpret_cast<const char*>(records_.data()),
                      records_.size() * sizeof(Pair));
    testing::WriteFile(path_, bytes);
    RecordChecksum checksum;
    checksum.Add(records_.data(), records_.size());
    checksum_ = checksum.value();
  }
  void Poke(uint64_t offset, char byte) {
    RecordFile file;
    ASSERT_TRUE(file.Open(path_, kCount * sizeof(Pair)).ok());
    ASSERT_TRUE(file.WriteAt(offset, &byte, 1).ok());
  }
  // Streams every record; the status of the stream.
  Status StreamAll(std::vector<Pair>* out) {
    RecordFile file;
    DOCBASE_RETURN_IF_ERROR(file.Open(path_, kCount * sizeof(Pair)));
    RecordStream<Pair> stream(file, 0, kCount, checksum_);
    Pair pair;
    while (stream.Next(&pair)) out->push_back(pair);
    return stream.status();
  }

  static constexpr uint32_t kCount = 300000;  // more than one stream buffer
  testing::TempFolder folder_;
  std::filesystem::path path_ = folder_.path() / "records.txt";
  std::vector<Pair> records_;
  uint64_t checksum_ = 0;
};

TEST_F(RecordFileTest, SoundRecordsReadBack) {
  std::vector<Pair> out;
  ASSERT_TRUE(StreamAll(&out).ok());
  EXPECT_EQ(out.size(), kCount);
  EXPECT_EQ(out.back().b, 7 * (kCount - 1));
  RecordFile file;
  ASSERT_TRUE(file.Open(path_, kCount * sizeof(Pair)).ok());
  EXPECT_TRUE(ReadCheckedRecords(file, 0, kCount, checksum_, &out).ok());
}

TEST_F(RecordFileTest, OtherSizeThanWrittenIsDamaged) {
  RecordFile file;
  Status status = file.Open(path_, kCount * sizeof(Pair) + 1);
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), path_.string());
  EXPECT_EQ(status.reason(), "work file is damaged");
}

// A changed byte in the first block of the stream stops it before its last
// block is handed out.
TEST_F(RecordFileTest, ChangedByteIsDamaged) {
  Poke(5, '\x01');
  std::vector<Pair> out;
  Status status = StreamAll(&out);
  EXPECT_TRUE(status.io_error());
  EXPECT_EQ(status.path(), path_.string());
  EXPECT_LT(out.size(), kCount);
  RecordFile file;
  ASSERT_TRUE(file.Open(path_, kCount * sizeof(Pair)).ok());
  EXPECT_TRUE(ReadCheckedRecords(file, 0, kCount, checksum_, &out).io_error());
}

// Two records swapped: every byte is still there, in another order.
TEST_F(RecordFileTest, SwappedRecordsAreDamaged) {
  RecordFile file;
  ASSERT_TRUE(file.Open(path_, kCount * sizeof(Pair)).ok());
  ASSERT_TRUE(file.WriteAt(0, &records_[1], sizeof(Pair)).ok());
  ASSERT_TRUE(file.WriteAt(sizeof(Pair), &records_[0], sizeof(Pair)).ok());
  std::vector<Pair> out;
  EXPECT_TRUE(ReadCheckedRecords(file, 0, 2, checksum_, &out).io_error());
  RecordChecksum first_two;
  first_two.Add(records_.data(), 2);
  EXPECT_TRUE(
      ReadCheckedRecords(file, 0, 2, first_two.value(), &out).io_error());
}

}  // namespace
}  // namespace docbase
