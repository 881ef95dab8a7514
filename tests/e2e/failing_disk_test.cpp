// Runs on a disk that fails under them: a program folder turned read-only
// while the run waits at a menu, and a file system that fills up in each
// phase that writes. Either way the run must stop with a framed message
// naming the file and the reason, end with status 1, never claim "Indexing
// is done.", and leave txt_in as it was; after a full disk, the next run
// with room made gives the document base of an uninterrupted run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "hardening_support.h"
#include "live_program.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::TempFolder;
namespace fs = std::filesystem;

// The run stopped on a file with `reason` in the framed message.
void ExpectStoppedOnAFile(const ProgramOutcome& outcome,
                          const std::string& reason) {
  EXPECT_FALSE(outcome.timed_out);
  EXPECT_EQ(outcome.exit_status, 1) << outcome.out;
  EXPECT_EQ(outcome.out.find(kDone), std::string::npos);
  size_t at = outcome.out.find(kStopped);
  ASSERT_NE(at, std::string::npos) << outcome.out;
  size_t name_at = at + std::string_view(kStopped).size();
  size_t name_end = outcome.out.find("\r\n", name_at);
  ASSERT_NE(name_end, std::string::npos);
  EXPECT_GT(name_end, name_at) << "the message names no file";
  EXPECT_EQ(outcome.out.compare(name_end, 10, "\r\nreason: "), 0)
      << outcome.out.substr(at);
  EXPECT_NE(outcome.out.find(reason, name_end), std::string::npos)
      << outcome.out.substr(at);
  EXPECT_TRUE(outcome.out.ends_with(
      "============================================\r\n"));
}

TEST(FailingDiskEndToEnd, FolderTurnedReadOnlyAtTheFileCountMenu) {
  TempFolder outer;
  const fs::path root = outer.path() / "base";
  fs::create_directory(root);
  WriteWordCorpus(root / "txt_in", 5, 3000);
  const Snapshot inputs = TakeSnapshot(root / "txt_in");

  ScopedMount mount = ScopedMount::Bind(root);
  if (!mount.ok()) GTEST_SKIP() << "cannot mount: " << mount.error();
  LiveProgram run(root);
  ASSERT_TRUE(run.started());
  run.Send(kAnswersBeforeFileCount);
  ASSERT_TRUE(run.WaitForOutput(FileCountMenu(5))) << run.out();
  ASSERT_TRUE(mount.MakeReadOnly()) << mount.error();
  run.Send(kAnswersAfterFileCount);
  ProgramOutcome outcome = run.Finish();
  ExpectStoppedOnAFile(outcome, "Read-only file system");
  DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(root / "txt_in"), inputs);
}

// Sets an environment variable for the life of the object (the programs
// the test starts see it), then puts back what was there.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* before = std::getenv(name)) before_ = before;
    ::setenv(name, value, 1);
  }
  ~ScopedVariable() {
    if (before_) {
      ::setenv(name_, before_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> before_;
};

// How far a run got: the percentage of the last progress line it printed,
// -1 before the first, 1000 for a run that finished.
int StageReached(const ProgramOutcome& outcome) {
  if (outcome.exit_status == 0) return 1000;
  size_t at = outcome.out.rfind("\r\nprocessed ");
  if (at == std::string::npos) return -1;
  return std::atoi(outcome.out.c_str() + at + std::strlen("\r\nprocessed "));
}

// A program folder alone on a tmpfs, with txt_in and, beside it, a user
// file that takes all the free space but `room` bytes. Where a run on it
// stops depends on the room alone: the run is one process writing the same
// bytes each time, and tmpfs counts whole pages. So a search over the room,
// with the last progress line as the answer, finds a room that stops the
// run in any phase that writes at least a page, whatever the sizes of the
// program's files.
class FillingDisk {
 public:
  explicit FillingDisk(const fs::path& root)
      : root_(root),
        mount_(ScopedMount::Tmpfs(root, "16m")),
        page_(static_cast<uint64_t>(::sysconf(_SC_PAGESIZE))) {}
  bool ok() const { return mount_.ok(); }
  const std::string& error() const { return mount_.error(); }
  fs::path filler() const { return root_ / "filler.bin"; }

  // Everything but txt_in goes.
  void Clear() {
    for (const std::string& name : EntryNames(root_)) {
      if (name != "txt_in") fs::remove_all(root_ / name);
    }
  }

  // A run with `room` bytes free (a whole number of pages), the filler
  // taking the rest; the outcome is also kept for Search.
  ProgramOutcome RunWithRoom(uint64_t room) {
    Clear();
    const uint64_t free = FreeBytes();
    testing::WriteFile(filler(), std::string(free - std::min(room, free), 'x'));
    EXPECT_EQ(FreeBytes(), room);
    ProgramOutcome outcome = RunDocbaseBinary(root_, kAnswers);
    stages_[room] = StageReached(outcome);
    return outcome;
  }

  // Searches for a room in which the run stops after the progress line
  // `stage` (and before the next), between rooms already tried: room 0
  // stops before the first, the whole free space of the empty folder
  // finishes. False when no room in pages does it.
  bool Search(int stage, ProgramOutcome* outcome) {
    Clear();
    uint64_t low = 0;
    uint64_t high = FreeBytes() / page_ * page_;
    for (const auto& [room, reached] : stages_) {
      if (reached < stage) low = std::max(low, room);
      if (reached > stage) high = std::min(high, room);
    }
    while (high - low > page_) {
      uint64_t middle = (low + high) / 2 / page_ * page_;
      *outcome = RunWithRoom(middle);
      int reached = StageReached(*outcome);
      if (reached == stage) return true;
      (reached < stage ? low : high) = middle;
    }
    return false;
  }

 private:
  uint64_t FreeBytes() const { return fs::space(root_).available; }

  fs::path root_;
  ScopedMount mount_;
  uint64_t page_;  // what tmpfs counts in
  std::map<uint64_t, int> stages_;  // room -> stage reached
};

// The disk fills in each phase that writes: word extraction, the word
// tables (the record sort's runs on disk: DOCBASE_SORT_MEMORY makes the
// small corpus need them), the output pass, and the collection into an
// htm_out that is a small file system of its own. Each run stops with the
// framed message naming the file, and once room is made the next run in
// the folder gives the document base of an uninterrupted run.
TEST(FailingDiskEndToEnd, FillsInEachPhaseAndTheNextRunRecovers) {
  ScopedVariable date("SOURCE_DATE_EPOCH", "1700000000");
  ScopedVariable sort_memory("DOCBASE_SORT_MEMORY", "1000");
  TempFolder outer;
  const fs::path root = outer.path() / "base";
  fs::create_directory(root);
  FillingDisk disk(root);
  if (!disk.ok()) GTEST_SKIP() << "cannot mount a tmpfs: " << disk.error();
  WriteDistinctWordCorpus(root / "txt_in", 6, 600);
  const Snapshot inputs = TakeSnapshot(root / "txt_in");

  ProgramOutcome uninterrupted = RunDocbaseBinary(root, kAnswers);
  ASSERT_EQ(uninterrupted.exit_status, 0) << uninterrupted.out;
  const Snapshot expected = TakeSnapshot(root / "htm_out");
  const std::vector<std::string> expected_entries = EntryNames(root);
  uint64_t output_bytes = 0;
  for (const auto& [name, bytes] : expected) output_bytes += bytes.size();

  // The stop, then the recovery with the room made.
  auto expect_stop_and_recovery = [&](const ProgramOutcome& stopped,
                                      const std::function<void()>& make_room) {
    ExpectStoppedOnAFile(stopped, "No space left on device");
    DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(root / "txt_in"), inputs);
    EXPECT_FALSE(fs::exists(root / ".docbase.lock"));
    make_room();
    ProgramOutcome next = RunDocbaseBinary(root, kAnswers);
    EXPECT_EQ(next.exit_status, 0) << next.out;
    EXPECT_NE(next.out.find(kDone), std::string::npos);
    DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(root / "htm_out"), expected);
    EXPECT_EQ(EntryNames(root), expected_entries);
    DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(root / "txt_in"), inputs);
  };

  // Word extraction, the word tables, the output pass.
  for (int stage : {1, 40, 50}) {
    SCOPED_TRACE("filled after processed " + std::to_string(stage) + "%");
    ProgramOutcome stopped;
    ASSERT_TRUE(disk.Search(stage, &stopped))
        << "no room stops the run after processed " << stage << "%";
    expect_stop_and_recovery(stopped, [&] {
      // A user file, which the run must leave.
      EXPECT_TRUE(fs::exists(disk.filler()));
      fs::remove(disk.filler());
    });
  }

  // The collection: htm_out is a file system of its own with room for half
  // of the document base, so the pages are copied there and it fills.
  SCOPED_TRACE("htm_out fills in the collection");
  disk.Clear();
  fs::create_directory(root / "htm_out");
  ScopedMount output =
      ScopedMount::Tmpfs(root / "htm_out", std::to_string(output_bytes / 2));
  ASSERT_TRUE(output.ok()) << output.error();
  ProgramOutcome stopped = RunDocbaseBinary(root, kAnswers);
  EXPECT_EQ(StageReached(stopped), 90) << stopped.out;
  EXPECT_NE(stopped.out.find(std::string(kStopped) + "htm_out/"),
            std::string::npos)
      << stopped.out;
  expect_stop_and_recovery(stopped, [&] {
    ASSERT_TRUE(output.Resize(std::to_string(2 * output_bytes)))
        << output.error();
  });
}

}  // namespace
}  // namespace docbase::e2e
