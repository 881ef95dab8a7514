// The page an annotated-page writer reads: line by line from its origin, up
// to the line of each occurrence in turn. It holds the current line (only
// one line of the page at a time) and where the last word written on it
// ended, and cuts the text between words from it. The writers of both page
// layouts read their pages through it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/status.h"
#include "pages/page_origin.h"
#include "pages/page_reader.h"

namespace docbase {

class PageLines {
 public:
  Status Open(const PageOrigin& origin);
  // The read status; the page is closed.
  Status Close();

  // The number of the current line: lines read so far.
  uint64_t count() const { return count_; }
  // Valid until the page is read on.
  std::string_view line() const { return line_; }

  // Reads up to line `line_number`, which becomes the current line; nothing
  // when it is read already. `on_line(line, before)` sees each line read,
  // `before` true for the lines before `line_number`. A number past the end
  // of the page (never made by the word scan) gives an empty current line,
  // and nothing is invented for the lines between.
  template <typename OnLine>
  Status AdvanceTo(uint64_t line_number, OnLine on_line) {
    while (count_ < line_number) {
      std::string_view line;
      if (!reader_.Next(&line)) {
        line_ = {};
        count_ = line_number;
        break;
      }
      line_ = line;
      ++count_;
      on_line(line_, count_ < line_number);
    }
    return reader_.status();
  }
  // The lines after the current one, for the rest of the page.
  bool Next(std::string_view* line) { return reader_.Next(line); }

  // Whether a word of the current line has been written.
  bool has_word() const { return word_end_.has_value(); }
  // The current line's bytes from the end of its last word written (or
  // from its start) up to the byte before `column` (1-based).
  std::string_view TextBefore(uint64_t column) const;
  // `end` is the position of the byte after the word written.
  void EndWordAt(uint64_t end) { word_end_ = end; }
  // The rest of the current line after its last word written, which is
  // then forgotten. Only when has_word().
  std::string_view TakeRestAfterWord();

 private:
  // The bytes from position `from` to position `to` of the current line,
  // 1-based and inclusive, cut to the line.
  std::string_view Bytes(uint64_t from, uint64_t to) const;

  PageReader reader_;
  uint64_t count_ = 0;
  std::string_view line_;             // into the reader
  std::optional<uint64_t> word_end_;  // unset: no word of this line yet
};

}  // namespace docbase
