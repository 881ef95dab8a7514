#include "html/occurrence_record.h"

#include "html/quoted_fields.h"

namespace docbase {

void ParseOccurrenceRecord(std::string_view line, OccurrenceRecord* record) {
  QuotedFields fields(line);
  record->page = fields.Next();
  record->line = CountOrZero(fields.Next());
  record->column = CountOrZero(fields.Next());
  record->word = fields.Next();
  record->id = fields.Next();
  record->k_text = fields.Next();
  record->k = CountOrZero(record->k_text);
  record->next = fields.Next();
}

}  // namespace docbase
