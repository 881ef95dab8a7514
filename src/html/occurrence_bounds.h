// The occurrence bound of a word on a page (last_on_page): the occurrence
// number of the word's last occurrence on that page, which decides whether
// an occurrence's navigation span links on to the next one.
//
// A word list file holds a word's occurrences in the order that numbers
// them, so the bound equals the highest occurrence number of the word among
// the page's own records. Those records are contiguous in the group file,
// so a second reader runs one page ahead of the rewrite over the same file
// and keeps one number per distinct word of the current page.
//
// Every record of the group passes through here: the reader takes only the
// three fields it needs and the table allocates nothing per record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/line_reader.h"
#include "common/status.h"
#include "html/key_max_table.h"

namespace docbase {

class PageOccurrenceBounds {
 public:
  Status Open(const std::filesystem::path& group_records);

  // Reads the records of `page`, which must be the next page of the file
  // (pages are taken in file order, each once per run of its records).
  Status LoadPage(std::string_view page);

  // The bound of `id` on the loaded page; 0 when the word is not there.
  uint64_t LastOnPage(std::string_view id) const;

 private:
  bool ReadPending();  // false at the end of the file

  LineReader reader_;
  bool has_pending_ = false;  // a record read ahead, not yet consumed
  std::string pending_page_;
  std::string pending_id_;
  uint64_t pending_k_ = 0;
  KeyMaxTable last_k_;  // word id -> bound, for the loaded page
};

}  // namespace docbase
