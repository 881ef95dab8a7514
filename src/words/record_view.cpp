#include "words/record_view.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/quoted_record.h"

namespace docbase {

RecordView::RecordView(std::string_view line, size_t needed,
                       std::string* scratch)
    : line_(line) {
  needed = std::min(needed, kMaxFields);
  if (Scan(needed)) return;
  std::vector<std::string_view> fields;
  SplitQuotedRecord(line, &fields);
  scratch->clear();
  for (size_t i = 0; i < needed; ++i) {
    scratch->append(i == 0 ? "\"" : ",\"");
    if (i < fields.size()) {
      for (char c : fields[i]) {
        if (c != '"') scratch->push_back(c);
      }
    }
    scratch->push_back('"');
  }
  line_ = *scratch;
  rebuilt_ = true;
  Scan(needed);
}

bool RecordView::Scan(size_t needed) {
  const char* base = line_.data();
  const size_t size = line_.size();
  if (needed == 0) return true;
  if (size == 0 || base[0] != '"') return false;
  // The quotes of the fields come in pairs, opening then closing.
  size_t at = 0;
  for (size_t field = 0; field < needed; ++field) {
    const void* open = std::memchr(base + at, '"', size - at);
    if (open == nullptr) return false;
    open_[field] = static_cast<size_t>(static_cast<const char*>(open) - base);
    at = open_[field] + 1;
    const void* close = at < size ? std::memchr(base + at, '"', size - at)
                                  : nullptr;
    if (close == nullptr) return false;
    close_[field] = static_cast<size_t>(static_cast<const char*>(close) - base);
    at = close_[field] + 1;
  }
  return true;
}

}  // namespace docbase
