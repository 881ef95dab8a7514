#include "html/classic/navigation_bar.h"

#include "workarea/file_names.h"

namespace docbase {

void WriteNavigationBar(LineWriter& out,
                        const PageNeighbours::Neighbours& neighbours,
                        NextLinkEnd next_end) {
  out.WriteLine("<br>");
  if (neighbours.has_previous) {
    out.Write("<a href=\"");
    out.Write(neighbours.previous);
    out.WriteLine("\"> Before </a> ");
  }
  if (neighbours.has_next) {
    out.Write("<a href=\"");
    out.Write(neighbours.next);
    out.WriteLine(next_end == NextLinkEnd::kTrailingBlank ? "\"> Next </a> "
                                                          : "\"> Next </a>");
  }
  out.Write("<a href=\"");
  out.Write(ContentsPageName());
  out.WriteLine("\"> Content </a><br>");
}

}  // namespace docbase
