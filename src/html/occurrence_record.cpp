#include "html/occurrence_record.h"

#include "common/quoted_record.h"
#include "common/text.h"

namespace docbase {
namespace {

uint64_t NumberOrZero(std::string_view text) {
  uint64_t value = 0;
  return ParseCount(text, &value) ? value : 0;
}

}  // namespace

void ParseOccurrenceRecord(std::string_view line,
                           std::vector<std::string_view>* fields,
                           OccurrenceRecord* record) {
  SplitQuotedRecord(line, fields);
  fields->resize(7);
  const std::vector<std::string_view>& f = *fields;
  record->page = f[0];
  record->line = NumberOrZero(f[1]);
  record->column = NumberOrZero(f[2]);
  record->word = f[3];
  record->id = f[4];
  record->k_text = f[5];
  record->k = NumberOrZero(f[5]);
  record->next = f[6];
}

}  // namespace docbase
