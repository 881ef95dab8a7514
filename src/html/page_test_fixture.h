// A fixture for the tests of the generated pages (included by tests only):
// a work area in a fresh temporary folder, the settings with the default
// build settings and both target addresses, the run's generator in its
// start state, and the run's moment fixed at 1700000000
// (11-14-2023 22:13:20 UTC), so that whole pages can be compared byte for
// byte. VectorSource hands the writers records kept in a vector; their
// views must point at storage that outlives the writer's call (literals, or
// strings the fixture keeps).
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/test_support.h"
#include "html/occurrence_record.h"
#include "run/settings.h"
#include "run/split_mix.h"
#include "workarea/work_area.h"

namespace docbase {

template <typename Record>
class VectorSource : public RecordSource<Record> {
 public:
  explicit VectorSource(std::vector<Record> records)
      : records_(std::move(records)) {}

  bool Next(Record* record) override {
    if (next_ == records_.size()) return false;
    *record = records_[next_++];
    return true;
  }
  Status status() const override { return Status::Ok(); }

 private:
  std::vector<Record> records_;
  size_t next_ = 0;
};

// The word-and-page entries of occurrences given one entry each (count 1),
// in word-id, then page order: each run of one word id and page becomes the
// entry of its first occurrence, counting the run.
inline std::vector<WordPageEntry> EntriesOfRuns(
    const std::vector<WordPageEntry>& occurrences) {
  std::vector<WordPageEntry> entries;
  for (const WordPageEntry& occurrence : occurrences) {
    if (!entries.empty() && entries.back().id == occurrence.id &&
        entries.back().page == occurrence.page) {
      entries.back().count += occurrence.count;
    } else {
      entries.push_back(occurrence);
    }
  }
  return entries;
}

// An occurrence at the start (column 1) of line `line` of `page`, its
// number `k` given in decimal, for the search pages' tests.
inline OccurrenceRecord LineOccurrence(std::string_view page, uint64_t line,
                                       std::string_view word,
                                       std::string_view id,
                                       std::string_view k) {
  OccurrenceRecord record;
  record.page = page;
  record.line = line;
  record.column = 1;
  record.word = word;
  record.id = id;
  record.k_text = k;
  record.k = std::stoull(std::string(k));
  return record;
}

class GeneratedPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.run_moment = DateTimeAtEpoch(1700000000);
    state_.info_address = "www.example.com/info";
    state_.search_host = "www.google.com";
    state_.target_site = "www.example.com";
    state_.target_address = "www.example.org";
  }

  std::string Read(std::string_view name) const {
    return testing::ReadFile(area_.Path(name));
  }
  void Write(std::string_view name, std::string_view bytes) const {
    testing::WriteFile(area_.Path(name), bytes);
  }
  // A view of `text` that lives as long as the test, for record fields.
  std::string_view Keep(std::string text) {
    return kept_.emplace_back(std::move(text));
  }

  testing::TempFolder folder_;
  WorkArea area_{folder_.path()};
  Settings state_;
  SplitMix64 random_;

 private:
  std::deque<std::string> kept_;
};

// The eleven lines from "<html>" to "<body>" with the default code page.
inline std::string ExpectedPageHead(std::string_view title) {
  return "<html>\r\n<br>\r\n<head>\r\n<br>\r\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=UTF-8\">\r\n<br>\r\n<title>" +
         std::string(title) +
         "</title>\r\n<br>\r\n</head>\r\n<br>\r\n"
         "<body>\r\n";
}

// The "quick and easy" introduction, ended by its two "<br>" lines.
inline constexpr std::string_view kExpectedIntro =
    "QUICK AND EASY INFORMATION SEARCH\r\n"
    "<br>\r\n"
    "We offer users a fast and efficient way to search for information in "
    "input files, and they can also continue their search with the help of "
    "program-defined Google search phrases.\r\n"
    "<br>\r\n"
    "Just double-clicking on any word is enough to access the index of all "
    "words.\r\n"
    "<br>\r\n"
    "<br>\r\n";

// The date and time lines at the fixture's fixed moment.
inline constexpr std::string_view kExpectedDateTime =
    "Date (mm-dd-yy) = 11-14-2023<br>\r\n"
    "Time (h:m:s)    = 22:13:20<br>\r\n";

// The top of the contents page and the main index, up to their date and
// time lines, with the fixture's settings.
inline std::string ExpectedKeyWordsPageTop() {
  return ExpectedPageHead("index of key words") + "<br>\r\n" +
         std::string(kExpectedIntro) +
         "Details:\r\n"
         "<br>\r\n"
         "<a href=\"http://www.example.com/info\">"
         "http://www.example.com/info</a>\r\n"
         "<br><br>\r\n" +
         std::string(kExpectedDateTime);
}

}  // namespace docbase
