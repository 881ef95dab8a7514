// A list page of the modern layout (a word-index or search page) written
// entry by entry, in parts once it grows long (html/modern/page_parts.h):
// each part a page with the list page's top, its own title ("..., part
// N"), a link back to the part before, and a link on to the next part,
// which the script follows for an entry its part does not hold. Every part
// after the first has a record file of what it holds (WritePartRecord), so
// that the script passes a link over the parts that do not hold it without
// reading them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/status.h"
#include "html/modern/main_index_parts.h"
#include "html/modern/page_head.h"
#include "html/modern/page_parts.h"
#include "html/short_key_map.h"
#include "io/line_writer.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

class ListPageFile {
 public:
  // What the record of a part says it holds.
  enum class PartRecord {
    // Words in the order of their ids, each noted with NoteWord: the
    // part's last word ("l": the number of its id).
    kLastWord,
    // Occurrences, each noted with NoteOccurrence: the part's words, each
    // with its highest occurrence number there ("s": "N.H ...", N the
    // number of the word's id, in the order of their first occurrences).
    kOccurrences,
  };

  // Writes the top of a part up to the page's data, before "<main>":
  // `part` is 1 for the page itself.
  using TopWriter = std::function<void(LineWriter& out, int64_t part)>;

  // A part ends at the first block boundary past `part_bytes`. `parts` and
  // the area must outlive the object.
  ListPageFile(const WorkArea& area, std::string_view page, PageParts& parts,
               uint64_t part_bytes, TopWriter top, PartRecord record);

  // Creates the page and writes its top.
  [[nodiscard]] Status Open();
  LineWriter& out() { return out_; }
  // Called before the first entry of each block: ends the part and starts
  // the next when this one is full and holds a block already. True when a
  // part was started.
  bool BeforeBlock();
  // The word id ("idN") of the entry just written (kLastWord).
  void NoteWord(std::string_view id);
  // An occurrence (word id "idN" and number) of the block being made
  // (kOccurrences). The first part has no record.
  void NoteOccurrence(std::string_view id, uint64_t k) {
    if (part_ > 1) NoteOccurrenceInPart(id, k);
  }
  // Ends the main part and the page and closes it; the first error met in
  // any part.
  [[nodiscard]] Status Finish();

 private:
  // The top of part `part_`, up to "<main>".
  void WriteTop();
  void NoteOccurrenceInPart(std::string_view id, uint64_t k);
  // The record file of the part just ended, past the first part.
  void WriteRecord(bool goes_on);

  const WorkArea& area_;
  const std::string page_;
  PageParts& parts_;
  const uint64_t part_bytes_;
  TopWriter top_;
  const PartRecord record_;
  uint64_t last_word_ = 0;  // the number of the last id noted
  // The words of the part (kOccurrences): by id, the index in part_words_
  // of {the number of the id, its highest occurrence number}.
  ShortKeyMap word_index_;
  std::vector<std::pair<uint64_t, uint64_t>> part_words_;
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
