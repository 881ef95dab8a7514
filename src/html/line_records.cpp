#include "html/line_records.h"

#include <algorithm>

namespace docbase {

void LineRecords::Add(std::string_view text, const OccurrenceRecord& record) {
  if (entries_.empty()) {
    page_.assign(record.page);
    line_ = record.line;
  } else if (record.column < entries_.back().column) {
    in_order_ = false;
  }
  entries_.push_back({record.column, text_.size(), text.size()});
  text_.append(text);
}

const std::vector<std::string_view>& LineRecords::InColumnOrder() {
  if (!in_order_) {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) {
                       return a.column < b.column;
                     });
  }
  ordered_.clear();
  for (const Entry& entry : entries_) {
    ordered_.push_back(std::string_view(text_).substr(entry.offset, entry.size));
  }
  return ordered_;
}

void LineRecords::Clear() {
  text_.clear();
  entries_.clear();
  ordered_.clear();
  in_order_ = true;
}

}  // namespace docbase
