// Line cleaning of the input pages. Every page of the page set is rewritten
// line by line so that its text shows as lines in a browser without a <pre>
// block: each kept line gets "<br>" in front (unless it already begins with
// one), its leading blanks are announced by as many "&nbsp;", and control
// bytes below 16 (tab, CR, LF among them) are removed. The <pre> lines of a
// converted page are dropped.
//
// Table rows are left alone: from a line holding "<table " (with the blank,
// letter case ignored) up to the line holding "</table", lines keep their
// own markup, control bytes and leading blanks. The closing line is cleaned
// like any other. The in-table state belongs to one page: StartPage clears
// it, so a table left open cannot change how the next page is read.
//
// A cleaned line is handed to its sink in pieces (the sink needs only
// Write(std::string_view)), so a line of any length is never copied whole.
#pragma once

#include <cstddef>
#include <string_view>

namespace docbase {

class PageCleaner {
 public:
  void StartPage() { in_table_ = false; }
  bool in_table() const { return in_table_; }

  // Writes the cleaned `line` and its CR LF to `out`; nothing when the line
  // is dropped.
  template <typename Sink>
  void CleanLine(std::string_view line, Sink& out) {
    Cleaned cleaned = Classify(line);
    if (cleaned.dropped) return;
    if (cleaned.as_is) {
      out.Write(cleaned.text);
    } else {
      if (cleaned.br_prefix) out.Write("<br>");
      for (size_t i = 0; i < cleaned.nbsp_count; ++i) out.Write("&nbsp;");
      WriteWithoutControlBytes(cleaned.text, out);
    }
    out.Write("\r\n");
  }

 private:
  struct Cleaned {
    bool dropped = false;
    bool as_is = false;  // a table row: written as it is
    bool br_prefix = false;
    size_t nbsp_count = 0;
    std::string_view text;  // the line without its trailing blanks
  };

  // Decides what becomes of `line` and updates the in-table state.
  Cleaned Classify(std::string_view line);

  static bool IsControlByte(char c) {
    return static_cast<unsigned char>(c) < 16;
  }

  template <typename Sink>
  static void WriteWithoutControlBytes(std::string_view text, Sink& out) {
    size_t run_begin = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if (!IsControlByte(text[i])) continue;
      if (i > run_begin) out.Write(text.substr(run_begin, i - run_begin));
      run_begin = i + 1;
    }
    if (text.size() > run_begin) out.Write(text.substr(run_begin));
  }

  bool in_table_ = false;
};

}  // namespace docbase
