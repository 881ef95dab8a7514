// A fixture for the tests of the generated pages (included by tests only):
// a work area in a fresh temporary folder, a run state with the default
// build settings and both target addresses, and the clock fixed through
// SOURCE_DATE_EPOCH at 1700000000 (11-14-2023 22:13:20 UTC), so that whole
// pages can be compared byte for byte.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "common/quoted_record.h"
#include "common/test_support.h"
#include "driver/run_state.h"
#include "workarea/work_area.h"

namespace docbase {

class GeneratedPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* saved = getenv("SOURCE_DATE_EPOCH")) saved_epoch_ = saved;
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    state_.info_address = "www.example.com/info";
    state_.search_host = "www.google.com";
    state_.target_site = "www.example.com";
    state_.target_address = "www.example.org";
  }
  void TearDown() override {
    if (saved_epoch_) {
      setenv("SOURCE_DATE_EPOCH", saved_epoch_->c_str(), 1);
    } else {
      unsetenv("SOURCE_DATE_EPOCH");
    }
  }

  std::string Read(std::string_view name) const {
    return testing::ReadFile(area_.Path(name));
  }
  void Write(std::string_view name, std::string_view bytes) const {
    testing::WriteFile(area_.Path(name), bytes);
  }

  testing::TempFolder folder_;
  WorkArea area_{folder_.path()};
  RunState state_;

 private:
  std::optional<std::string> saved_epoch_;
};

// One quoted record with its CR LF, as the tables hold it.
inline std::string Record(std::initializer_list<std::string_view> fields) {
  std::string line;
  AppendQuotedRecord(&line, fields);
  return line + "\r\n";
}

// The eleven lines from "<html>" to "<body>" with the default code page.
inline std::string ExpectedPageHead(std::string_view title) {
  return "<html>\r\n<br>\r\n<head>\r\n<br>\r\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=UTF-8\">\r\n<br>\r\n<title>" +
         std::string(title) + "</title>\r\n<br>\r\n</head>\r\n<br>\r\n"
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

}  // namespace docbase
