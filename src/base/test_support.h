// Helpers for tests: a fresh temporary folder per test, whole-file read
// and write, and a run report that keeps what the phases report.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "run/run_report.h"

namespace docbase::testing {

// A new empty folder under the system's temporary folder, removed with its
// contents when the object goes away. `name_part` becomes part of the
// folder name (tests of the auto-answer folder need that). A folder that
// cannot be made stops the process at once.
class TempFolder {
 public:
  explicit TempFolder(std::string_view name_part = "docbase");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Whether this system keeps every one of `names` as a file of its own in
// `folder`, with the same bytes when listed (Windows refuses control
// characters, <>:"\|?*, device names such as nul.txt and bytes that are
// not UTF-8, and takes a.txt and A.TXT for one name). Leaves nothing.
bool SystemTakesNames(const std::filesystem::path& folder,
                      std::initializer_list<std::string_view> names);

std::string ReadFile(const std::filesystem::path& path);
// How often `part` occurs in `text`, overlapping occurrences counted.
size_t CountOf(std::string_view text, std::string_view part);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// Keeps every reported line, each ended by CR LF, and "<any key>" for the
// key a stop waits for.
class RecordingReport : public RunReport {
 public:
  void Progress(std::string_view line) override { Keep(line); }
  void Stop(std::initializer_list<std::string_view> lines) override {
    for (std::string_view line : lines) Keep(line);
    Keep("<any key>");
  }
  const std::string& transcript() const { return transcript_; }

 private:
  void Keep(std::string_view line) {
    transcript_.append(line);
    transcript_.append("\r\n");
  }
  std::string transcript_;
};

}  // namespace docbase::testing
