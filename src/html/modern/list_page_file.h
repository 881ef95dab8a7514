// A list page of the modern layout (a word-index or search page) written
// entry by entry, in parts once it grows long (html/modern/page_parts.h):
// each part a page with the list page's top, its own title ("..., part
// N"), a link back to the part before, and a link on to the next part,
// which the script follows for an entry its part does not hold.
//
// A page whose entries are words in the order of their ids (a word index)
// also names in the head of a part that goes on the last word the part
// holds, and has the script run before the part's body: a link to a later
// word is passed on without the browser reading the part.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "html/modern/main_index_parts.h"
#include "html/modern/page_head.h"
#include "html/modern/page_parts.h"
#include "io/line_writer.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

class ListPageFile {
 public:
  // Writes the top of a part up to the page's data, before "<main>":
  // `part` is 1 for the page itself; `hold_head` as for WriteListPageTop.
  using TopWriter =
      std::function<void(LineWriter& out, int64_t part, bool hold_head)>;

  // A part ends at the first block boundary past `part_bytes`. `parts` and
  // the area must outlive the object. `words_in_order`: the entries are
  // words in the order of their ids, each noted with NoteWord.
  ListPageFile(const WorkArea& area, std::string_view page, PageParts& parts,
               uint64_t part_bytes, TopWriter top, bool words_in_order = false);

  // Creates the page and writes its top.
  [[nodiscard]] Status Open();
  LineWriter& out() { return out_; }
  // Called before the first entry of each block: ends the part and starts
  // the next when this one is full and holds a block already. True when a
  // part was started.
  bool BeforeBlock();
  // The word id ("idN") of the entry just written.
  void NoteWord(std::string_view id);
  // Ends the main part and the page and closes it; the first error met in
  // any part.
  [[nodiscard]] Status Finish();

 private:
  // The top of part `part_`, up to "<main>".
  void WriteTop();
  // The end of a part's head, once the part is written (EndHeldHead).
  void EndHead(bool goes_on);

  const WorkArea& area_;
  const std::string page_;
  PageParts& parts_;
  const uint64_t part_bytes_;
  TopWriter top_;
  const bool words_in_order_;
  uint64_t last_word_ = 0;  // the number of the last id noted
  LineWriter out_;
  int64_t part_ = 1;
  uint64_t blocks_in_part_ = 0;
  Status status_;
};

// The top of a part of the list page of group `group`: the page's top
// (WriteListPageTop, with ", part N" after `title` past the first) and its
// record for the script (WriteListPageData). `settings` and `parts` must
// outlive the writer.
ListPageFile::TopWriter ListPageTop(const Settings& settings,
                                    const MainIndexParts& parts, int64_t group,
                                    std::string title,
                                    std::vector<NavigationLink> links,
                                    std::string about);

}  // namespace docbase
