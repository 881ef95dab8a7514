// Runs killed with SIGKILL at moments spread by time over a whole run, not
// at its progress lines: inside the set-up and the text conversion, the
// stale-file clean-up, every indexing phase, the collection into htm_out
// and the final clean-up. After each kill the next run in the same folder
// must complete with exactly the htm_out of a run that was never
// interrupted, leave txt_in as it was, and leave the program directory as
// such a run does.
//
// Fourteen moments are i/15 of the time an uninterrupted run of the same
// corpus takes on this build and machine, measured first, so that a slower
// build (the sanitized one) spreads them over its run the same way. The
// collection and the final clean-up take only a few percent of a run, so
// six more moments are spread over the time from "processed 90%" to the
// end, counted from that line. Time only chooses where the kills land;
// nothing is asserted on it, except that nearly every moment falls before
// the end of its run (a moment that comes after the end kills nothing; it
// is tried once more on the time of the run that ended first).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <list>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "hardening_support.h"
#include "live_program.h"
#include "program_runner.h"
#include "run/split_mix.h"

namespace docbase::e2e {
namespace {

using docbase::testing::TempFolder;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFiles = 80;
constexpr size_t kBytesEach = 12000;
constexpr int kVocabulary = 3000;

// `kFiles` texts of words drawn from `kVocabulary` made-up words: many
// distinct words and many pages, so that the word phases, the page phases
// and the collection all take a share of the run.
void WriteCorpus(const fs::path& txt_in) {
  SplitMix64 random;
  std::vector<std::string> words;
  for (int i = 0; i < kVocabulary; ++i) {
    std::string word;
    const size_t length = 2 + random.NextBits() % 9;
    while (word.size() < length) word.push_back('a' + random.NextBits() % 26);
    words.push_back(word);
  }
  fs::create_directories(txt_in);
  for (int file = 1; file <= kFiles; ++file) {
    std::string text;
    size_t line_length = 0;
    while (text.size() < kBytesEach) {
      const std::string& word = words[random.NextBits() % words.size()];
      text += word;
      line_length += word.size() + 1;
      text.push_back(line_length > 60 ? '\n' : ' ');
      if (line_length > 60) line_length = 0;
    }
    char name[32];
    std::snprintf(name, sizeof name, "doc_%03d.txt", file);
    testing::WriteFile(txt_in / name, text + "\n");
  }
}

// Where in the run a kill fell, from the console output up to the kill and
// from what the program directory holds afterwards.
std::string StageOf(const std::string& out, const fs::path& folder) {
  auto seen = [&out](const std::string& text) {
    return out.find(text) != std::string::npos;
  };
  if (!seen("number of files = ")) return "set-up and text conversion";
  if (!seen("processed 1%\r\n")) return "stale clean-up and page set";
  if (!seen("processed 10%\r\n")) return "word extraction";
  if (!seen("processed 40%\r\n")) return "numbering and page groups";
  if (!seen("processed 50%\r\n")) return "word splits";
  if (!seen("processed 60%\r\n")) return "group pages";
  if (!seen("processed 90%\r\n")) return "main index";
  if (seen("processed 100%\r\n")) return "results";
  for (const std::string& name : EntryNames(folder)) {
    if (name.find(".htm") != std::string::npos) {
      return "collection into htm_out";
    }
  }
  return "final clean-up";
}

// When a kill run is killed: `delay` after its start, or after the line
// `anchor` when there is one.
struct Moment {
  std::string anchor;
  Clock::duration delay;
};

TEST(KilledAnyMomentEndToEnd, NextRunAfterAKillAtAnyMomentGivesTheSamePages) {
  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  constexpr int kSpread = 14;  // over the whole run
  constexpr int kTail = 6;     // after the main index
  const std::string kTailStart = "processed 90%\r\n";

  // Three uninterrupted runs, each in a fresh folder and started as the
  // kill runs are: they must agree, and the fastest sets the first time
  // scales of the whole run and of its tail. Every folder stays until the
  // end of the test: removing one keeps the file system busy after the
  // call returns, and would slow down the run started next.
  std::list<TempFolder> folders;
  Clock::duration whole_scale = Clock::duration::max();
  Clock::duration tail_scale = Clock::duration::max();
  Snapshot expected;
  std::vector<std::string> end_entries;
  for (int pass = 0; pass < 3; ++pass) {
    const TempFolder& reference = folders.emplace_back();
    WriteCorpus(reference.path() / "txt_in");
    LiveProgram run(reference.path());
    const Clock::time_point start = Clock::now();
    run.Send(kAnswers);
    ASSERT_TRUE(run.WaitForOutput(kTailStart)) << run.out();
    const Clock::time_point tail_start = Clock::now();
    ProgramOutcome uninterrupted = run.Finish();
    whole_scale = std::min(whole_scale, Clock::now() - start);
    tail_scale = std::min(tail_scale, Clock::now() - tail_start);
    ASSERT_EQ(uninterrupted.exit_status, 0) << uninterrupted.out;
    ASSERT_NE(uninterrupted.out.find(kDone), std::string::npos);
    const Snapshot pages = TakeSnapshot(reference.path() / "htm_out");
    if (pass == 0) {
      expected = pages;
      end_entries = EntryNames(reference.path());
    }
    DOCBASE_EXPECT_SAME_FILES(pages, expected);
    EXPECT_EQ(EntryNames(reference.path()), end_entries);
  }
  ASSERT_FALSE(expected.empty());

  auto milliseconds = [](Clock::duration time) {
    return std::to_string(
        std::chrono::duration_cast<std::chrono::milliseconds>(time).count());
  };
  int landed = 0;
  int missed = 0;
  std::string report;
  for (int moment = 1; moment <= kSpread + kTail; ++moment) {
    const bool in_tail = moment > kSpread;
    Clock::duration& scale = in_tail ? tail_scale : whole_scale;
    const int step = in_tail ? moment - kSpread : moment;
    const int steps = (in_tail ? kTail : kSpread) + 1;
    // A moment that comes after the end of its run is tried once more, on
    // the time of the run that ended first; the later moments take the
    // mean of that time and the former scale (one quick run is not yet a
    // quicker machine).
    Clock::duration attempt_scale = scale;
    for (int attempt = 0; attempt < 2; ++attempt) {
      const Moment when{in_tail ? kTailStart : "",
                        attempt_scale * step / steps};
      const std::string shown = milliseconds(when.delay) + " ms after " +
                                (in_tail ? "\"processed 90%\"" : "the start");
      SCOPED_TRACE("killed " + shown);
      const TempFolder& folder = folders.emplace_back();
      WriteCorpus(folder.path() / "txt_in");
      const Snapshot inputs = TakeSnapshot(folder.path() / "txt_in");
      std::string stage;
      bool inside = false;
      {
        LiveProgram run(folder.path());
        Clock::time_point start = Clock::now();
        ASSERT_TRUE(run.started());
        // All the answers at once, and the end of the input for the final
        // key wait: from here to its end the run works without waiting.
        run.Send(kAnswers);
        run.CloseInput();
        if (!when.anchor.empty()) {
          ASSERT_TRUE(run.WaitForOutput(when.anchor)) << run.out();
          start = Clock::now();
        }
        inside = run.KillAt(start + when.delay);
        if (inside) {
          stage = StageOf(run.out(), folder.path());
        } else {
          const Clock::duration took = Clock::now() - start;
          stage = "missed: the run ended after " + milliseconds(took) + " ms";
          attempt_scale = took;
          scale = (scale + took) / 2;
          ++missed;
        }
      }
      report += "  " + shown + ": " + stage + "\n";
      DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(folder.path() / "txt_in"), inputs);

      ProgramOutcome next = RunDocbaseBinary(folder.path(), kAnswers);
      EXPECT_EQ(next.exit_status, 0) << stage << "\n" << next.out;
      EXPECT_NE(next.out.find(kDone), std::string::npos) << stage;
      DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(folder.path() / "htm_out"),
                                expected);
      EXPECT_EQ(EntryNames(folder.path()), end_entries) << stage;
      DOCBASE_EXPECT_SAME_FILES(TakeSnapshot(folder.path() / "txt_in"), inputs);
      if (inside) {
        ++landed;
        break;
      }
    }
  }
  const int moments = kSpread + kTail;
  std::printf("moments inside the run: %d of %d (%d kill runs ended first)\n%s",
              landed, moments, missed, report.c_str());
  // Run times vary from run to run on a busy machine: a run can end before
  // its moment twice over, but not often.
  EXPECT_GE(landed, moments - 2) << report;
}

}  // namespace
}  // namespace docbase::e2e
