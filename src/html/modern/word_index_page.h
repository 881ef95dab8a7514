// The word-index page i_G.htm of the modern layout: the entries of the
// classic page (a word on a page of the group, with its count there),
// gathered by word: one paragraph per word carrying the word id (so
// "i_G.htm#ID" lands on the word, as on the classic page) and the number of
// its first occurrence on each page, then the word and its pages with their
// counts, as text. The shared script makes the classic entry's links from
// them and the page's record: the pages, the search page, the contents
// page, and once per word the part of the main index that holds it and the
// web search on the target site. The paragraphs stand in blocks of bounded
// size; a long page goes on in parts (html/modern/page_parts.h).
#pragma once

#include <cstdint>
#include <optional>

#include "base/status.h"
#include "html/layout.h"
#include "html/modern/list_page_file.h"
#include "html/modern/main_index_parts.h"
#include "html/modern/page_parts.h"
#include "html/occurrence_record.h"
#include "io/line_writer.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

class ModernWordIndexPages : public WordIndexPageWriter {
 public:
  // `parts` and `page_parts` must outlive the object.
  ModernWordIndexPages(const MainIndexParts& parts, PageParts& page_parts)
      : parts_(parts), page_parts_(page_parts) {}

  // Creates i_G.htm and writes its head.
  Status WriteHead(const WorkArea& area, const Settings& settings,
                   int64_t group) override;
  // Writes the entries of `source` (in word-id order, then page order) and
  // the end, and closes the page.
  Status WriteEntries(const Settings& settings, int64_t group,
                      WordPageSource& source) override;

 private:
  const MainIndexParts& parts_;
  PageParts& page_parts_;
  std::optional<ListPageFile> page_;
};

// Words per block of a modern word-index page.
inline constexpr int64_t kWordIndexEntriesPerBlock = 100;

}  // namespace docbase
