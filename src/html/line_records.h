// The occurrence records of one page line, kept (as their record text) until
// the line is complete, and handed back in ascending numeric column order.
// Records already in that order, as on every line shorter than a million
// bytes, come back unchanged without sorting.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/occurrence_record.h"

namespace docbase {

class LineRecords {
 public:
  // Whether `record` belongs to the line gathered so far (always true when
  // nothing is gathered).
  bool SameLine(const OccurrenceRecord& record) const {
    return entries_.empty() || (record.line == line_ && record.page == page_);
  }
  void Add(std::string_view text, const OccurrenceRecord& record);
  // The gathered record texts, by column; valid until the next Add or Clear.
  const std::vector<std::string_view>& InColumnOrder();
  void Clear();

 private:
  struct Entry {
    uint64_t column;
    size_t offset;
    size_t size;
  };
  std::string text_;  // the record texts, one after the other
  std::vector<Entry> entries_;
  std::vector<std::string_view> ordered_;
  std::string page_;
  uint64_t line_ = 0;
  bool in_order_ = true;
};

}  // namespace docbase
