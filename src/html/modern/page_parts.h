// The parts a modern page is cut into when it grows long: an annotated page
// of a long text, or the word-index and search pages of a group that holds
// one. A part ends at the first block boundary past a bound, so that no
// file outgrows what a static host takes or a phone loads at once. The
// first part keeps the page's name, so every link to the page lands there;
// the later ones are named by PagePartName (workarea/file_names.h), and
// each ends with a link to the next, which the script follows for a word
// or occurrence its part does not hold.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "io/line_writer.h"
#include "workarea/work_area.h"

namespace docbase {

// How large a part of a page may grow before the next one starts, and the
// names of the parts after the first, for the collection. One for the run,
// shared by the tasks that write pages at once.
class PageParts {
 public:
  // A part ends at the first block boundary past `bytes`: with a block and
  // the part's record after it, a file stays well under 2 MB. A search
  // page's part ends sooner, at `search_bytes`: its many short lines take a
  // browser longer to show than the same bytes of text or of a word index
  // (in Lighthouse's mobile test a search page of 1.4 MB scores 91, an
  // annotated page 96, a word-index page 100).
  static constexpr uint64_t kBytes = 1400 * 1000;
  static constexpr uint64_t kSearchBytes = 900 * 1000;

  explicit PageParts(uint64_t bytes = kBytes,
                     uint64_t search_bytes = kSearchBytes);
  uint64_t bytes() const { return bytes_; }
  uint64_t search_bytes() const { return search_bytes_; }
  void Add(std::string name);
  std::vector<std::string> Names() const;

 private:
  const uint64_t bytes_;
  const uint64_t search_bytes_;
  mutable std::mutex mutex_;
  std::vector<std::string> names_;
};

// Closes `out`, the file of one part of a page, and creates `next` in
// `area` for the part after it, noting the name in `parts`. `*first_error`
// keeps the first error of either, for the page to report when it ends.
void OpenNextPart(LineWriter& out, const WorkArea& area,
                  const std::string& next, PageParts& parts,
                  Status* first_error);

// The number of word id `id` ("id" and its digits), as a part's head gives
// it.
uint64_t WordIdNumber(std::string_view id);

// Ends the head of a part written with WriteModernHeadHeld and releases
// the bytes held. When the page goes on in `next_part`, the head's script
// element is replaced by what the part holds, for the script to pass a
// link on before the browser reads the part,
//   <script type="application/json" id="part-words">{"x":NEXT_PART,FIELDS}
//   </script>
// (`write_fields` writing FIELDS), and the script, run at once. The last
// part (`next_part` empty) keeps its head as written: the script deferred.
void EndHeldHead(LineWriter& out, std::string_view next_part,
                 const std::function<void()>& write_fields);

// <nav class="part" aria-label="Part before">Continued from <a
// href="PREVIOUS">...</a>.</nav>, at the top of part `part` (2, 3, ...) of
// `page`, without a line end: a landmark, as every line of a page is in
// one.
void WriteContinuedFrom(LineWriter& out, std::string_view page, int64_t part);
// <nav class="part" aria-label="Part after"><a id="next-part" href="NEXT">
// Continued in part N</a></nav>, a line of its own at the end of part
// `part` of `page`: the script passes on from it what the part does not
// hold.
void WriteContinuedIn(LineWriter& out, std::string_view page, int64_t part);

}  // namespace docbase
