// The quoted record: each field in double quotes, fields separated by
// commas, no escaping. No field ever holds a double quote, so a record
// splits at each `","`; a field may hold commas. The tool checks write their
// word records in this form, and the count and search commands find the
// word id field in it (RecordHasWordId, workarea/commands.h). The two
// functions here are the format written out as code; the quoted_record fuzz
// target checks them, and no phase of a run calls them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace docbase {

// Splits `line` into its fields (views into `line`), replacing the contents
// of `fields`. A line that lacks its outer quotes is split all the same;
// an empty line gives one empty field.
void SplitQuotedRecord(std::string_view line,
                       std::vector<std::string_view>* fields);

// Appends one record, without line end, to `out`.
void AppendQuotedRecord(std::string* out,
                        std::initializer_list<std::string_view> fields);

}  // namespace docbase
