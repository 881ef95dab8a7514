// The word scan of one page line that has passed the line filters. Words are
// delimited by blanks (byte 32) outside tags and by the tags themselves; the
// scan visits the positions of the line that lie outside tags (a tag's first
// and last byte included) and takes a candidate word at each outside blank,
// at each tag start and at the last byte of the line, by the rules of
// ScanWords below. Words are bytes: no decoding, no case change, punctuation
// stays; only double quotes at the ends of a word are removed and inner ones
// become apostrophes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "words/tag_map.h"

namespace docbase {

// One word taken from a line, as a place in the line: a long line's words
// then take a few bytes each, not a copy. Its bytes are those of the line
// from `column` on, with every double quote read as an apostrophe
// (AppendWordText); at least kMinimumWordBytes of them.
struct WordHit {
  uint32_t column;         // 1-based byte position of the word's first byte
  uint32_t size;           // in bytes
  uint32_t scan_position;  // 1-based position of the delimiter that ended it
};

// Appends the bytes of `hit`, a word of `line`, to `*out`.
void AppendWordText(std::string_view line, const WordHit& hit,
                    std::string* out);

// Words shorter than this many bytes are dropped.
inline constexpr size_t kMinimumWordBytes = 3;

// Appends the words of `line` to `*hits`, in line order. `tags` is the tag
// map of the line (BuildTagMap). `first_link` is the 1-based position of
// the first "href=" in the lower-cased line, or 0 when there is none: a word
// that lies directly between a tag ending after that link and the next tag
// start (a one-word link text) ends the scan of the line, and nothing more
// is taken from it.
//
// The cuts, for tags of two bytes or more: each outside blank, each tag
// start and the end of the line; the word at a cut runs from just after the
// closest outside blank or tag end before it (or from byte 1) to the byte
// before the cut. A tag start with neither an outside blank nor a tag end
// before it takes nothing, and a one-byte tag counts as a tag start only.
// Linear in the line length, whatever the number of tags and blanks.
void ScanWords(std::string_view line, const std::vector<Tag>& tags,
               size_t first_link, std::vector<WordHit>* hits);

// Finishes a candidate word found at 1-based `column`: an opening double
// quote is removed (the column moves on by one), then a closing one (the
// remaining double quotes are read as apostrophes: AppendWordText).
// Appends the word to `*hits` when it is at least kMinimumWordBytes long.
void FinishWord(std::string_view candidate, size_t column, size_t scan_position,
                std::vector<WordHit>* hits);

}  // namespace docbase
