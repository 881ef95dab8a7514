// The parts a modern page is cut into when it grows long: an annotated page
// of a long text, or the word-index and search pages of a group that holds
// one. A part ends at the first block boundary past a bound, so that no
// file outgrows what a static host takes or a phone loads at once. The
// first part keeps the page's name, so every link to the page lands there;
// the later ones are named by PagePartName (workarea/file_names.h), and
// each ends with a link to the next. A word or occurrence a part does not
// hold is looked for in the parts after it by their record files
// (WritePartRecord), and the browser reads only the part that holds it.
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

// The number of word id `id` ("id" and its digits), as a part's record
// gives it.
uint64_t WordIdNumber(std::string_view id);

// Writes the record file of part `part` (2, 3, ...) of `page`: what the
// part holds, read by the script of a part before it to pass a link over
// the parts that cannot land it without the browser reading them,
//   docbasePart("NEXT_PART",{FIELDS});
// NEXT_PART empty for the last part, and FIELDS (`write_fields`, none for
// the last part) as the kind of page tells: an annotated part's words and
// the last occurrence of each that goes on ("w"), a word-index part's last
// word ("l"), a search part's words and the highest occurrence of each
// ("s"). The file is noted in `parts`; `*first_error` keeps the first
// error.
void WritePartRecord(const WorkArea& area, std::string_view page,
                     int64_t part, bool goes_on, PageParts& parts,
                     const std::function<void(LineWriter&)>& write_fields,
                     Status* first_error);

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
