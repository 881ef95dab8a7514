// The classic rewrite of one page of the page set, driven record by record
// by the group's occurrences (html/annotated_page_loop.h): the page is read
// line by line from its origin (html/page_lines.h) and written under its
// own name, the highlight script and top bar before the body line, each
// word line cut into the text between words (one output line per piece,
// empty pieces included) around the spans the caller writes, and the bottom
// bar before the line that closes the body.
//
// Only one line of the page is held at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/status.h"
#include "html/annotated_page_file.h"
#include "html/classic/navigation_bar.h"
#include "io/line_writer.h"
#include "pages/page_origin.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

class PageRewriter : public AnnotatedPageFile {
 public:
  PageRewriter(const WorkArea& area, const DisplayParameters& display,
               const PageNeighbours& neighbours)
      : AnnotatedPageFile(area), display_(display), neighbours_(neighbours) {}

  // Opens the page of `origin` and creates its output.
  Status Start(std::string_view page, const PageOrigin& origin);

  // Reads up to line `line_number`, copying the lines before it; the line
  // that opens the body is preceded by the script and the top bar.
  Status AdvanceTo(uint64_t line_number);

  // Writes the current line's bytes from the end of its last word written
  // (or from its start) up to the byte before `column`, as one line. Then
  // the caller writes the spans and calls EndWordAt.
  void WriteTextBefore(uint64_t column);
  // When a word of the current line has been written: writes the rest of
  // the line after it as one line (possibly empty).
  void LeaveWordLine();

  // Leaves the word line, copies the rest of the page with the bottom bar
  // before the line that closes the body, and closes the page.
  Status Finish(NextLinkEnd bottom_next_end);

  LineWriter& out() { return out_; }

 private:
  const DisplayParameters& display_;
  const PageNeighbours& neighbours_;
  bool body_found_ = false;
};

}  // namespace docbase
