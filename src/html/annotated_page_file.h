// What the page writers of both layouts share while they annotate one page:
// the page read from its origin (html/page_lines.h) and its output, written
// once under the page's own name, where it stays. A writer derives from it,
// opens each page with Open and gives WriteOccurrencePages
// (html/annotated_page_loop.h) the accessors below.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/status.h"
#include "html/page_lines.h"
#include "io/line_writer.h"
#include "pages/page_origin.h"
#include "workarea/work_area.h"

namespace docbase {

class AnnotatedPageFile {
 public:
  bool is_open() const { return open_; }
  const std::string& page() const { return page_; }
  // The number of the current line: lines read from the page so far.
  uint64_t line_count() const { return lines_.count(); }
  // `end` is the position of the byte after the word written.
  void EndWordAt(uint64_t end) { lines_.EndWordAt(end); }

 protected:
  explicit AnnotatedPageFile(const WorkArea& area) : area_(area) {}

  // Opens page `page` of `origin` and creates its output.
  Status Open(std::string_view page, const PageOrigin& origin);
  // Stops reading the page; the read status. The output stays open.
  Status CloseLines();

  const WorkArea& area_;
  std::string page_;
  PageLines lines_;
  LineWriter out_;

 private:
  bool open_ = false;
};

}  // namespace docbase
