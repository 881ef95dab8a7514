// The ordered list of input pages: the promotional page first, then every
// other *.htm* page of htm_in, the converted pages among them (which are
// kept in memory, not in the folder), in the order of the platform sort
// (letter case ignored). The listings dir_02.txt (bare), dir_03.txt (sorted) and
// dir_01.txt (the final list, lower-cased) are written on the way.
//
// Only a line that is exactly "f_promote.htm" once lower-cased is taken for
// the promotional page; "my_f_promote.htm" is a page of its own.
//
// Names are lower-cased for everything the run writes, but a file system
// that tells letter case apart needs the listed spelling to open the file,
// so each entry keeps both.
#pragma once

#include <string>
#include <vector>

#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

struct ListedPage {
  std::string listed;  // the name in htm_in, to open the file
  std::string name;    // lower-cased, as written to dir_01.txt
};

// Fills `pages` with the lines of dir_01.txt that name a page (those that
// hold ".htm"), in order; the first is always f_promote.htm. `converted`
// names the converted pages, listed as if they stood in htm_in.
Status ListInputPages(const WorkArea& area,
                      const std::vector<std::string>& converted,
                      std::vector<ListedPage>* pages);

}  // namespace docbase
