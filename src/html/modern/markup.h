// The markup every page of the modern layout is written with: record data
// as HTML text or attribute values (the one escaper of the layout),
// web-search links with their query percent-encoded, and the blocks of
// bounded size that a page's entries or lines stand in, so that a browser
// lays out only the blocks on screen (the stylesheet gives them
// `content-visibility: auto`).
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

#include "io/line_writer.h"
#include "run/settings.h"

namespace docbase {

// `text` with &, <, > and " written as references.
void WriteEscaped(LineWriter& out, std::string_view text);
void AppendEscaped(std::string* to, std::string_view text);

// Whether `text` comes back byte for byte as the text of a page that holds
// it escaped: valid UTF-8 without control bytes other than tab, which a
// browser would replace, drop or change.
bool SurvivesAsText(std::string_view text);

// A JSON string of `text`: the bytes kept, quotes, backslashes, control
// bytes and "<" (so that no "</script" can close the record) escaped.
void WriteJsonString(LineWriter& out, std::string_view text);

// `text` percent-encoded for a URL query: every byte but ASCII letters,
// digits and "-._~" as %XX, so a decoded query holds the bytes as they are.
void WriteQueryEncoded(LineWriter& out, std::string_view text);
void AppendQueryEncoded(std::string* to, std::string_view text);

// <a class="web" href="http://HOST/search?q=QUERY">LABEL</a>, the query
// being `phrase` followed (when `site` is not empty) by " site:" and
// `site`, percent-encoded as a whole.
void WriteWebSearchLink(LineWriter& out, const Settings& settings,
                        std::string_view phrase, std::string_view site,
                        std::string_view label);

// Cuts a run of entries (list entries, lines of text) into blocks. A block
// ends before an entry once it holds `entries` entries or `bytes` bytes
// (as counted with AddBytes), unless the entry says it may not end there.
class Blocks {
 public:
  struct Limits {
    uint64_t entries;
    uint64_t bytes = std::numeric_limits<uint64_t>::max();
  };
  // Writes the opening tag of a block whose first entry is entry
  // `first_entry` (counted from 1 over the whole run).
  using OpenTag = std::function<void(LineWriter& out, uint64_t first_entry)>;

  Blocks(LineWriter& out, Limits limits, OpenTag open,
         std::string_view close_line = "</div>");
  // <div class="blk KIND">, a line of its own.
  Blocks(LineWriter& out, std::string_view kind, uint64_t entries);

  // Before an entry: ends the open block when it is full and `may_end`,
  // and opens one when none is open. True when the entry starts a block.
  bool Entry(bool may_end = true);
  // `bytes` more of the entries of the open block.
  void AddBytes(uint64_t bytes) { bytes_ += bytes; }
  // Ends the open block (if any), so the next entry starts a new one.
  void Finish();

 private:
  LineWriter& out_;
  Limits limits_;
  OpenTag open_tag_;
  std::string_view close_line_;
  bool open_ = false;
  uint64_t entries_ = 0;  // in the open block
  uint64_t bytes_ = 0;    // in the open block
  uint64_t entries_seen_ = 0;
};

}  // namespace docbase
