// Fuzz check of the quoted-record format.
//
// Any line: SplitQuotedRecord gives fields none of which holds the
// separator `","`, and the fields joined again with `","` are the line less
// its outer quotes (nothing is lost or invented).
//
// Round trip: the input, with its double quotes taken out and cut at each
// TAB into fields, written as one record with AppendQuotedRecord and split
// again, gives back exactly those fields (empty fields and commas inside
// fields included).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/quoted_record.h"
#include "fuzz_check.h"

namespace docbase::fuzz {

inline std::string CheckQuotedRecord(std::string_view input,
                                     const std::filesystem::path&) {
  std::vector<std::string_view> fields;
  SplitQuotedRecord(input, &fields);
  if (fields.empty()) return "no field for " + Shown(input);
  std::string joined;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].find("\",\"") != std::string_view::npos) {
      return "field " + Shown(fields[i]) + " holds the separator";
    }
    if (i > 0) joined += "\",\"";
    joined.append(fields[i]);
  }
  std::string_view inner = input;
  if (!inner.empty() && inner.front() == '"') inner.remove_prefix(1);
  if (!inner.empty() && inner.back() == '"') inner.remove_suffix(1);
  if (joined != inner) {
    return "fields of " + Shown(input) + " join to " + Shown(joined);
  }

  std::vector<std::string> written{std::string()};
  for (char c : input) {
    if (c == '"') continue;
    if (c == '\t') {
      written.emplace_back();
    } else {
      written.back().push_back(c);
    }
  }
  std::string record;
  for (size_t i = 0; i < written.size(); ++i) {
    if (i > 0) record.push_back(',');
    AppendQuotedRecord(&record, {written[i]});
  }
  SplitQuotedRecord(record, &fields);
  if (fields.size() != written.size()) {
    return "record " + Shown(record) + " splits into " +
           std::to_string(fields.size()) + " fields, written " +
           std::to_string(written.size());
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    if (fields[i] != written[i]) {
      return "field " + std::to_string(i + 1) + " of " + Shown(record) +
             " reads " + Shown(fields[i]);
    }
  }
  return "";
}

}  // namespace docbase::fuzz
