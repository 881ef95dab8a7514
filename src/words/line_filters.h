// The filters that drop whole page lines before the word scan: lines of
// script and style blocks, lines whose first link targets a numbered anchor
// above 2000 (the generated navigation links), and lines where a "look_at:"
// marker comes before the first link. The script and style state belongs to
// one page: Reset it when a page begins.
//
// A script block opens at a line whose first "script" follows a "<" and
// closes at a line whose first "/script" follows a "<", both compared with
// letter case kept, so "<SCRIPT>" opens nothing. A style block opens at a
// line without "style=" whose first "style", in any case, follows a "<", and
// closes likewise at "/style". The opening line, the lines between and the
// closing line are all dropped.
#pragma once

#include <cstddef>
#include <string_view>

namespace docbase {

// Link targets whose number is above this mark lines as generated.
inline constexpr double kHighestKeptLinkNumber = 2000;

class LineFilters {
 public:
  // Closes any script or style block: a new page begins.
  void Reset() { *this = LineFilters(); }

  // Whether the line is dropped. `lower_line` is `line` with its ASCII
  // letters lower-cased. Advances the block state, so every line of the
  // page must pass through here once, in order.
  bool Drops(std::string_view line, std::string_view lower_line);

 private:
  // Each block is open from its opening line until the line that closes it.
  struct Block {
    bool open = false;
    bool closed = false;
  };
  // Advances `block` over a line and tells whether the line belongs to it.
  // `text` is the line in the form its markers are looked for in; a line
  // opens the block only when `may_open`.
  static bool InBlock(Block* block, std::string_view text,
                      std::string_view opening, std::string_view closing,
                      bool may_open);

  Block script_;
  Block style_;
};

// The 1-based position of the first "href=" in `lower_line`, or 0.
size_t FirstLinkPosition(std::string_view lower_line);

// Whether the first link of the line targets a number above 2000, or a
// "look_at:" marker comes before that link.
bool IsGeneratedLinkLine(std::string_view lower_line);

}  // namespace docbase
