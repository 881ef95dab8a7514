// Pieces that the list pages of the modern layout (word index, search and
// main index pages) share: record data written as HTML text or attribute
// values, web-search links with their query percent-encoded, the top of a
// page, and the blocks of bounded size that the entries are grouped in so
// that a browser lays out only the blocks on screen (the stylesheet gives
// them `content-visibility: auto`).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_writer.h"
#include "common/settings.h"

namespace docbase {

// `text` with &, <, > and " written as references.
void WriteEscaped(LineWriter& out, std::string_view text);

// `text` percent-encoded for a URL query: every byte but ASCII letters,
// digits and "-._~" as %XX, so a decoded query holds the bytes as they are.
void WriteQueryEncoded(LineWriter& out, std::string_view text);

// <a class="web" href="http://HOST/search?q=QUERY">LABEL</a>, the query
// being `phrase` followed (when `site` is not empty) by " site:" and
// `site`, percent-encoded as a whole.
void WriteWebSearchLink(LineWriter& out, const Settings& settings,
                        std::string_view phrase, std::string_view site,
                        std::string_view label);

// A link of a list page's navigation line; `rel` is empty, "prev" or
// "next". Written as it is: the names and labels are the program's own.
struct NavigationLink {
  std::string href;
  std::string label;
  std::string_view rel = {};
};

// The modern head with `title`, then the page's header: the heading (the
// title again), the navigation line of `links`, and the made-on line:
// `about`, the run's moment and the information link.
void WriteListPageTop(LineWriter& out, const Settings& settings,
                      std::string_view title,
                      const std::vector<NavigationLink>& links,
                      std::string_view about);

// Groups entries in <div class="blk KIND"> blocks of at most `per_block`
// entries; Entry() before each entry, Finish() after the last.
class EntryBlocks {
 public:
  EntryBlocks(LineWriter& out, std::string_view kind, int64_t per_block)
      : out_(out), kind_(kind), per_block_(per_block) {}
  void Entry();
  // Closes the open block (if any), so the next entry starts a new one.
  void Finish();

 private:
  LineWriter& out_;
  std::string_view kind_;
  int64_t per_block_;
  int64_t in_block_ = 0;
  bool open_ = false;
};

}  // namespace docbase
