// Fuzz check of a whole run: the input becomes a small txt_in in a fresh
// program folder, and the run driver goes through every phase with the
// scripted answers "1", "1", "1", "1", a destination address and a final
// key.
//
// Input layout: parts separated by the byte 0xFF, taken in pairs as a file
// name (".txt" is appended; "/", NUL, CR and LF are dropped, at most 60
// bytes) and its contents; without a 0xFF the whole input is the contents of
// a.txt. At most six files; a name given twice keeps its first contents.
//
// The run must end normally ("Indexing is done.", no error), leave txt_in
// byte for byte as it was, and leave htm_out with one page per input plus
// the promotional page, files_list.htm and index.htm; of the work files
// only dir_01.txt stays beside txt_in and htm_out.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/test_support.h"
#include "driver/run_driver.h"
#include "driver/run_state.h"
#include "driver/scripted_console.h"
#include "fuzz_check.h"
#include "workarea/work_area.h"

namespace docbase::fuzz {

inline constexpr char kPipelineAnswers[] = "1\n1\n1\n1\nwww.example.org\nx";

// The files an input stands for, by name.
inline std::map<std::string, std::string> PipelineInputs(
    std::string_view input) {
  std::map<std::string, std::string> files;
  if (input.find('\xff') == std::string_view::npos) {
    files["a.txt"] = std::string(input);
    return files;
  }
  std::vector<std::string_view> parts;
  size_t begin = 0;
  for (;;) {
    size_t end = input.find('\xff', begin);
    parts.push_back(input.substr(begin, end - begin));
    if (end == std::string_view::npos) break;
    begin = end + 1;
  }
  for (size_t i = 0; i < parts.size() && files.size() < 6; i += 2) {
    std::string name;
    for (char c : parts[i]) {
      // A name with a line end cannot stand in a listing of one name per
      // line; such names are a known limit, not fuzzed.
      if (c == '/' || c == '\0' || c == '\r' || c == '\n') continue;
      if (name.size() < 60) name.push_back(c);
    }
    name += ".txt";
    std::string_view contents = i + 1 < parts.size() ? parts[i + 1] : "";
    files.emplace(name, std::string(contents));
  }
  return files;
}

inline std::vector<std::string> EntriesOf(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

inline std::string CheckPipeline(std::string_view input,
                                 const std::filesystem::path& scratch) {
  const std::filesystem::path root = scratch / "run";
  std::error_code error;
  std::filesystem::remove_all(root, error);
  std::filesystem::create_directories(root / "txt_in");
  const std::map<std::string, std::string> files = PipelineInputs(input);
  for (const auto& [name, contents] : files) {
    testing::WriteFile(root / "txt_in" / name, contents);
  }

  WorkArea area(root);
  RunState state = RunStateFromBuildSettings("docbase");
  ScriptedConsole console(kPipelineAnswers);
  RunStep outcome = RunDocbase(area, state, console);
  const std::string& out = console.output();
  auto tail = [&out] {
    return Shown(
        std::string_view(out).substr(out.size() > 300 ? out.size() - 300 : 0));
  };
  if (outcome.run_ended()) return "the run ended at a way out";
  if (!outcome.ok()) return "the run ended with " + outcome.status().ToString();
  if (out.find("Indexing is done.") == std::string::npos) {
    return "no results screen: " + tail();
  }

  std::vector<std::string> names;
  for (const auto& [name, contents] : files) {
    names.push_back(name);
    if (testing::ReadFile(root / "txt_in" / name) != contents) {
      return "txt_in/" + Shown(name) + " changed";
    }
  }
  if (EntriesOf(root / "txt_in") != names) return "txt_in gained or lost files";

  std::vector<std::string> expected_root = {"dir_01.txt", "htm_out", "txt_in"};
  if (EntriesOf(root) != expected_root) {
    std::string left;
    for (const std::string& name : EntriesOf(root)) left += " " + Shown(name);
    return "the program folder holds" + left;
  }
  size_t pages = 0;
  bool index = false, contents_page = false;
  for (const std::string& name : EntriesOf(root / "htm_out")) {
    if (name.starts_with("page_")) ++pages;
    if (name == "index.htm") index = true;
    if (name == "files_list.htm") contents_page = true;
  }
  if (pages != files.size() + 1) {
    return std::to_string(files.size()) + " inputs gave " +
           std::to_string(pages) + " pages";
  }
  if (!index || !contents_page) return "index.htm or files_list.htm missing";
  return "";
}

}  // namespace docbase::fuzz
