// RecordView finds the fields of one quoted record line ("a","b","c") in
// place, without copying the line or allocating. No field ever holds a
// double quote, so the quotes of a record are exactly its field bounds:
// field i lies between its quotes 2i and 2i+1. A table that keeps some of
// the fields of another in the same order can then write them as one raw
// slice of the line (RawFields), quotes and commas included, instead of
// taking the record apart and quoting each field again.
//
// For a record as the phases write them, the fields are those
// SplitQuotedRecord gives. Any other line (one with fewer fields than the
// caller needs, or without its opening quote) is first rebuilt in a
// scratch string from the fields SplitQuotedRecord gives, quotes inside
// them dropped and missing fields empty, so that a damaged table still
// reads safely, as a short record always has.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace docbase {

class RecordView {
 public:
  static constexpr size_t kMaxFields = 8;

  // Splits `line` into its first `needed` fields (at most kMaxFields). When
  // the line holds fewer, `scratch` receives a complete record with the
  // missing fields empty, and the view refers to it.
  RecordView(std::string_view line, size_t needed, std::string* scratch);

  // The line the fields lie in (the scratch record for a rebuilt line).
  std::string_view line() const { return line_; }
  // Whether the line had to be rebuilt (the view is then not of the line
  // given).
  bool rebuilt() const { return rebuilt_; }
  // Where field i stands in line(): its opening quote, and one past its
  // closing quote.
  size_t FieldBegin(size_t i) const { return open_[i]; }
  size_t FieldEnd(size_t i) const { return close_[i] + 1; }
  std::string_view field(size_t i) const {
    return line_.substr(open_[i] + 1, close_[i] - open_[i] - 1);
  }
  // Fields first .. last-1 as they stand in the line, from the opening
  // quote of the first to the closing quote of the last: "b","c".
  std::string_view RawFields(size_t first, size_t last) const {
    return line_.substr(open_[first], close_[last - 1] + 1 - open_[first]);
  }

 private:
  // Finds the quotes of `needed` fields; false when the line is not a
  // record that holds them.
  bool Scan(size_t needed);

  std::string_view line_;
  bool rebuilt_ = false;
  size_t open_[kMaxFields];   // position of each field's opening quote
  size_t close_[kMaxFields];  // position of each field's closing quote
};

}  // namespace docbase
