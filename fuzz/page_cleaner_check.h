// Fuzz check of the page cleaner, fed whole pages line by line (the table
// state runs across lines). The input is cut in two pages.
//
// - The cleaned page keeps its line structure: every line ends in CR LF and
//   no other CR or LF appears, so the word scan counts the lines that were
//   written; there are never more lines than went in.
// - A line outside a table begins with "<br>" and holds no control byte
//   below 16.
// - One page cannot change another: the second page cleaned after the first
//   (StartPage between) comes out as it does on its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "pages/page_cleaner.h"

namespace docbase::fuzz {

struct StringSink {
  std::string text;
  void Write(std::string_view bytes) { text.append(bytes); }
};

// Cleans `page` with `cleaner` (starting a page first); returns a failure
// description or "" and leaves the cleaned text in `*out`.
inline std::string CleanPage(PageCleaner& cleaner, std::string_view page,
                             std::string* out) {
  cleaner.StartPage();
  StringSink sink;
  size_t lines_in = 0;
  for (std::string_view line : SplitLines(page)) {
    ++lines_in;
    size_t before = sink.text.size();
    cleaner.CleanLine(line, sink);
    std::string_view written = std::string_view(sink.text).substr(before);
    if (written.empty()) continue;  // dropped
    if (!written.ends_with("\r\n")) {
      return "line " + Shown(line) + " cleaned to " + Shown(written) +
             " without CR LF";
    }
    std::string_view text = written.substr(0, written.size() - 2);
    if (text.find_first_of("\r\n") != std::string_view::npos) {
      return "line " + Shown(line) + " cleaned to " + Shown(written) +
             ", which holds a line end";
    }
    if (!cleaner.in_table()) {
      // The line that closes a table is cleaned like any other.
      if (!text.starts_with("<br>")) {
        return "line " + Shown(line) + " cleaned to " + Shown(written) +
               " without <br>";
      }
      for (unsigned char c : text) {
        if (c < 16) {
          return "line " + Shown(line) + " cleaned to " + Shown(written) +
                 ", which holds a control byte";
        }
      }
    }
  }
  size_t lines_out = SplitLines(sink.text).size();
  if (lines_out > lines_in) {
    return std::to_string(lines_in) + " lines cleaned to " +
           std::to_string(lines_out);
  }
  *out = std::move(sink.text);
  return "";
}

inline std::string CheckPageCleaner(std::string_view input,
                                    const std::filesystem::path&) {
  auto [first, second] = CutInTwo(input);
  PageCleaner cleaner;
  std::string first_out, second_after_first, second_alone;
  std::string failure = CleanPage(cleaner, first, &first_out);
  if (failure.empty())
    failure = CleanPage(cleaner, second, &second_after_first);
  PageCleaner fresh;
  if (failure.empty()) failure = CleanPage(fresh, second, &second_alone);
  if (!failure.empty()) return failure;
  if (second_after_first != second_alone) {
    return "page " + Shown(second) + " cleaned after " + Shown(first) +
           " gives " + Shown(second_after_first) + ", alone " +
           Shown(second_alone);
  }
  return "";
}

}  // namespace docbase::fuzz
