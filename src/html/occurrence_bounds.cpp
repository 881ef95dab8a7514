#include "html/occurrence_bounds.h"

#include <algorithm>

#include "html/occurrence_record.h"

namespace docbase {

Status PageOccurrenceBounds::Open(
    const std::filesystem::path& group_records) {
  has_pending_ = false;
  last_k_.clear();
  return reader_.Open(group_records);
}

bool PageOccurrenceBounds::ReadPending() {
  std::string_view line;
  while (reader_.Next(&line)) {
    if (line.empty()) continue;  // the rewrite skips empty lines too
    OccurrenceRecord record;
    ParseOccurrenceRecord(line, &fields_, &record);
    pending_page_.assign(record.page);
    pending_id_.assign(record.id);
    pending_k_ = record.k;
    return has_pending_ = true;
  }
  return false;
}

Status PageOccurrenceBounds::LoadPage(std::string_view page) {
  last_k_.clear();
  while (has_pending_ || ReadPending()) {
    if (pending_page_ != page) break;
    uint64_t& bound = last_k_[pending_id_];
    bound = std::max(bound, pending_k_);
    has_pending_ = false;
  }
  return reader_.status();
}

uint64_t PageOccurrenceBounds::LastOnPage(std::string_view id) const {
  auto it = last_k_.find(std::string(id));
  return it == last_k_.end() ? 0 : it->second;
}

}  // namespace docbase
