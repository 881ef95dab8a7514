#include "html/occurrence_bounds.h"

#include "html/quoted_fields.h"
#include "html/same_bytes.h"

namespace docbase {

Status PageOccurrenceBounds::Open(
    const std::filesystem::path& group_records) {
  has_pending_ = false;
  last_k_.Clear();
  return reader_.Open(group_records);
}

bool PageOccurrenceBounds::ReadPending() {
  std::string_view line;
  while (reader_.Next(&line)) {
    if (line.empty()) continue;  // the rewrite skips empty lines too
    // page, line, column, word, id, occurrence number, next page
    QuotedFields fields(line);
    pending_page_.assign(fields.Next());
    fields.Skip(3);
    pending_id_.assign(fields.Next());
    pending_k_ = CountOrZero(fields.Next());
    return has_pending_ = true;
  }
  return false;
}

Status PageOccurrenceBounds::LoadPage(std::string_view page) {
  last_k_.Clear();
  while (has_pending_ || ReadPending()) {
    if (!SameBytes(pending_page_, page)) break;
    last_k_.Raise(pending_id_, pending_k_);
    has_pending_ = false;
  }
  return reader_.status();
}

uint64_t PageOccurrenceBounds::LastOnPage(std::string_view id) const {
  return last_k_.Get(id);
}

}  // namespace docbase
