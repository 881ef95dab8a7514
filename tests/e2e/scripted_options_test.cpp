// Runs given their folder and answers on the command line (-C, --yes,
// --address) against the same runs answered through a pipe in the folder
// itself: the console, htm_out and the files left beside it must be the
// same, with standard input at its end, closed, or holding other answers.
// A -C folder that cannot be entered ends the program before anything is
// touched. Any number of threads (-j) gives the same folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/test_support.h"
#include "program_runner.h"

namespace docbase::e2e {
namespace {

using docbase::testing::ReadFile;
using docbase::testing::TempFolder;
using docbase::testing::WriteFile;
namespace fs = std::filesystem;

// Every file under `root`, by its path relative to it, with its bytes;
// `folder_path` is replaced by "DIR" wherever it is written.
std::map<std::string, std::string> TreeBytes(const fs::path& root) {
  std::string folder_path = root.string();
  std::map<std::string, std::string> bytes;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string name = fs::relative(entry.path(), root).string();
    if (!entry.is_regular_file()) {
      bytes[name] = "(folder)";
      continue;
    }
    std::string text = ReadFile(entry.path());
    for (size_t at = text.find(folder_path); at != std::string::npos;
         at = text.find(folder_path, at)) {
      text.replace(at, folder_path.size(), "DIR");
    }
    bytes[name] = text;
  }
  return bytes;
}

// Runs docbase through the shell, with `redirection` applied to it, from
// `start` (not the program directory).
ProgramOutcome RunFromElsewhere(const fs::path& start,
                                const std::vector<std::string>& options,
                                const std::string& redirection,
                                const std::string& input = "") {
  std::vector<std::string> arguments = {
      "-c", "exec \"$0\" \"$@\" " + redirection, DOCBASE_BINARY};
  arguments.insert(arguments.end(), options.begin(), options.end());
  return RunProgram("/bin/sh", arguments, start, input);
}

class ScriptedOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

  // A folder holding the sample corpus and a user file a run deletes.
  static void MakeBase(const fs::path& root) {
    fs::copy(fs::path(DOCBASE_SOURCE_DIR) / "examples/txt_in", root / "txt_in");
    WriteFile(root / "old_notes.txt", "deleted by every run\n");
  }

  static void MakeOneText(const fs::path& root) {
    fs::create_directory(root / "txt_in");
    WriteFile(root / "txt_in/one.txt", "one short text\n");
  }

  // A run answered through a pipe in a folder of its own made by `make`:
  // its console and what it left in the folder.
  struct PipedRun {
    ProgramOutcome outcome;
    std::map<std::string, std::string> tree;
  };
  static PipedRun RunPiped(void (*make)(const fs::path&), const char* answers) {
    TempFolder folder;
    make(folder.path());
    PipedRun run{RunDocbaseBinary(folder.path(), answers), {}};
    run.tree = TreeBytes(folder.path());
    return run;
  }

  TempFolder start_;
};

TEST_F(ScriptedOptionsTest, OptionsGiveThePipedRunFromAnotherFolder) {
  PipedRun piped = RunPiped(MakeBase, "1\n1\n1\n1\nwww.example.org\n");
  ASSERT_EQ(piped.outcome.exit_status, 0) << piped.outcome.out;
  ASSERT_NE(piped.outcome.out.find("processed 100%"), std::string::npos);
  std::map<std::string, std::string>& expected = piped.tree;
  ASSERT_EQ(expected.count("old_notes.txt"), 0u);
  ASSERT_NE(expected["htm_out/s_1.htm"].find("site:www.example.org"),
            std::string::npos);

  // At its end, closed, and holding answers that would end the run: none
  // of them is read.
  struct Case {
    const char* redirection;
    const char* input;
  };
  for (Case input : {Case{"< /dev/null", ""}, Case{"<&-", ""},
                     Case{"", "2\n2\n2\n2\nwww.wrong.example\n"}}) {
    TempFolder folder;
    MakeBase(folder.path());
    ProgramOutcome outcome = RunFromElsewhere(
        start_.path(),
        {"-C", folder.path().string(), "--yes", "--address", "www.example.org"},
        input.redirection, input.input);
    EXPECT_EQ(outcome.exit_status, 0) << input.redirection;
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, piped.outcome.out) << input.redirection;
    EXPECT_EQ(TreeBytes(folder.path()), expected) << input.redirection;
  }
  EXPECT_TRUE(EntryNames(start_.path()).empty());
}

TEST_F(ScriptedOptionsTest, EmptyAddressAndLongFormsMatchTheirPipedRun) {
  PipedRun piped = RunPiped(MakeOneText, "1\n1\n1\n1\n\n");
  ASSERT_EQ(piped.outcome.exit_status, 0) << piped.outcome.out;

  TempFolder folder;
  MakeOneText(folder.path());
  // -C relative to the start folder, in two steps; the address by "=".
  fs::path parent = folder.path().parent_path();
  ProgramOutcome outcome = RunFromElsewhere(
      start_.path(),
      {"--directory=" + parent.string(), "-C",
       folder.path().filename().string(), "--address=", "--yes"},
      "<&-");
  EXPECT_EQ(outcome.exit_status, 0);
  EXPECT_EQ(outcome.out, piped.outcome.out);
  EXPECT_EQ(TreeBytes(folder.path()), piped.tree);
}

// Forty texts of long lines (more than 28 words: drawn search phrases)
// whose words recur across pages, in six groups (the draws and the
// word-index entries run on from group to group): the pages, word-index
// and search pages written on one thread and on four are the same bytes.
TEST_F(ScriptedOptionsTest, OneThreadAndFourGiveTheSameFolder) {
  auto make = [](const fs::path& root) {
    fs::create_directory(root / "txt_in");
    uint64_t state = 7;
    for (int text = 0; text < 40; ++text) {
      std::string body;
      for (int line = 0; line < 30; ++line) {
        for (int word = 0; word < 10 + line * 2; ++word) {
          state = state * 6364136223846793005u + 1442695040888963407u;
          body += "word" + std::to_string((state >> 33) % 300) + " ";
        }
        body += "\n";
      }
      WriteFile(root / "txt_in" / ("t" + std::to_string(text) + ".txt"), body);
    }
  };
  std::map<std::string, std::string> trees[2];
  std::string consoles[2];
  const char* jobs[2] = {"-j1", "--jobs=4"};
  for (int run = 0; run < 2; ++run) {
    TempFolder folder;
    make(folder.path());
    ProgramOutcome outcome = RunFromElsewhere(
        start_.path(),
        {"-C", folder.path().string(), "--yes", "--address", "",
         "--group-size", "7", jobs[run]},
        "<&-");
    ASSERT_EQ(outcome.exit_status, 0) << outcome.out;
    consoles[run] = outcome.out;
    trees[run] = TreeBytes(folder.path());
  }
  EXPECT_EQ(consoles[0], consoles[1]);
  ASSERT_EQ(trees[0].count("htm_out/s_6.htm"), 1u);
  EXPECT_TRUE(trees[0] == trees[1]);
  for (const auto& [name, bytes] : trees[0]) {
    EXPECT_TRUE(trees[1][name] == bytes) << name;
  }
}

TEST_F(ScriptedOptionsTest, AFolderThatCannotBeEnteredTouchesNothing) {
  WriteFile(start_.path() / "notes.txt", "keep me");
  MakeOneText(start_.path());
  std::map<std::string, std::string> before = TreeBytes(start_.path());
  for (std::string directory : {(start_.path() / "missing").string(),
                                (start_.path() / "notes.txt").string()}) {
    ProgramOutcome outcome =
        RunProgram(DOCBASE_BINARY, {"--yes", "-C", directory, "--address", ""},
                   start_.path(), "1\n1\n1\n1\n\n");
    EXPECT_EQ(outcome.exit_status, 2) << directory;
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.starts_with("docbase: ")) << outcome.err;
    EXPECT_NE(outcome.err.find(directory), std::string::npos);
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
  }
  EXPECT_EQ(TreeBytes(start_.path()), before);
}

}  // namespace
}  // namespace docbase::e2e
