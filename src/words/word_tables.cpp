#include "words/word_tables.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/quoted_record.h"
#include "common/text.h"
#include "sort/file_sort.h"

namespace docbase {
namespace {

// One streaming pass: a table read record by record and the one or two
// tables written from it.
class TablePass {
 public:
  Status Open(const WorkArea& area, std::string_view input,
              std::initializer_list<std::string_view> outputs) {
    DOCBASE_RETURN_IF_ERROR(reader_.Open(area.Path(input)));
    output_count_ = 0;
    for (std::string_view output : outputs) {
      DOCBASE_RETURN_IF_ERROR(
          writers_.at(output_count_++).Open(area.Path(output)));
    }
    return Status::Ok();
  }

  // Reads the next record; `line()` is the line as read.
  bool Next() {
    if (!reader_.Next(&line_)) return false;
    SplitQuotedRecord(line_, &fields_);
    return true;
  }
  std::string_view line() const { return line_; }
  // A field the line lacks reads as empty.
  std::string_view field(size_t index) const {
    return index < fields_.size() ? fields_[index] : std::string_view();
  }
  LineWriter& output(size_t index) { return writers_[index]; }

  Status Finish() {
    DOCBASE_RETURN_IF_ERROR(reader_.status());
    for (size_t i = 0; i < output_count_; ++i) {
      DOCBASE_RETURN_IF_ERROR(writers_[i].Close());
    }
    return Status::Ok();
  }

 private:
  LineReader reader_;
  std::array<LineWriter, 2> writers_;
  size_t output_count_ = 0;
  std::string_view line_;
  std::vector<std::string_view> fields_;
};

Status SortInto(const WorkArea& area, RunState& state, Console& console,
                std::string_view input, std::string_view output) {
  state.sort_input_name = input;
  state.sort_output_name = output;
  return FileSort(area, state, console);
}

// wrd_01.txt (word, page, line, col, w5) -> wrd_01_01.txt (lc, page, line,
// word, col, w5), without the words that hold "&nbsp;" once lower-cased.
Status WriteLowerCasedOccurrences(const WorkArea& area) {
  TablePass pass;
  DOCBASE_RETURN_IF_ERROR(pass.Open(area, "wrd_01.txt", {"wrd_01_01.txt"}));
  std::string lc;
  while (pass.Next()) {
    std::string_view word = pass.field(0);
    lc.assign(word);
    LowerAsciiInPlace(&lc);
    if (Contains(lc, "&nbsp;")) continue;
    pass.output(0).WriteRecord(
        {lc, pass.field(1), pass.field(2), word, pass.field(3), pass.field(4)});
  }
  return pass.Finish();
}

// wrd_01_02.txt (lc, page, line, word, col, w5) -> wrd_03.txt (page, line,
// col, word, id) and wrd_04.txt (the same with k). A new id starts at each
// change of lc, numbered by the record's position; k counts the records of
// one id, dropped ones included, and only records with a page and an id
// reach wrd_04.
Status WriteIdsAndOccurrenceNumbers(const WorkArea& area) {
  TablePass pass;
  DOCBASE_RETURN_IF_ERROR(
      pass.Open(area, "wrd_01_02.txt", {"wrd_03.txt", "wrd_04.txt"}));
  uint64_t position = 0;
  std::string current_lc;
  std::string id;
  std::string previous_id;
  uint64_t k = 0;
  for (; pass.Next(); ++position) {
    std::string_view lc = pass.field(0), page = pass.field(1),
                     line_number = pass.field(2), word = pass.field(3),
                     col = pass.field(4);
    if (position == 0 || lc != current_lc) {
      id = WordId(position);
      current_lc.assign(lc);
    }
    pass.output(0).WriteRecord({page, line_number, col, word, id});

    if (position == 0) previous_id = id;
    ++k;
    if (id != previous_id) k = 1;
    if (Contains(page, "page_") && Contains(id, "id")) {
      pass.output(1).WriteRecord(
          {page, line_number, col, word, id, std::to_string(k)});
    }
    previous_id = id;
  }
  return pass.Finish();
}

// 100000000 - k in 8 digits: ascending inv is descending k. Occurrence
// numbers stay far below 100000000; a larger one gets 0.
std::string InvertedOccurrenceNumber(std::string_view k) {
  constexpr uint64_t kBase = 100000000;
  uint64_t value = 0;
  if (!ParseCount(k, &value)) value = 0;
  return ZeroPadded(value < kBase ? kBase - value : 0, 8);
}

// wrd_05.txt (page, line, col, word, id, k) -> wrd_06.txt (the records with
// "page_" in the page, any case, and "id" in the id, unchanged) and
// wrd_07.txt (inv, id, page, line, col, word, id, k of the same records).
Status WriteInvertedNumbers(const WorkArea& area) {
  TablePass pass;
  DOCBASE_RETURN_IF_ERROR(
      pass.Open(area, "wrd_05.txt", {"wrd_06.txt", "wrd_07.txt"}));
  while (pass.Next()) {
    std::string_view page = pass.field(0), line_number = pass.field(1),
                     col = pass.field(2), word = pass.field(3),
                     id = pass.field(4), k = pass.field(5);
    if (!ContainsIgnoreCase(page, "page_") || !Contains(id, "id")) continue;
    pass.output(0).WriteLine(pass.line());
    pass.output(1).WriteRecord(
        {InvertedOccurrenceNumber(k), id, page, line_number, col, word, id, k});
  }
  return pass.Finish();
}

}  // namespace

Status SortWordOccurrences(const WorkArea& area, RunState& state,
                           Console& console) {
  DOCBASE_RETURN_IF_ERROR(WriteLowerCasedOccurrences(area));
  return SortInto(area, state, console, "wrd_01_01.txt", "wrd_01_02.txt");
}

Status NumberWordOccurrences(const WorkArea& area, RunState& state,
                             Console& console) {
  DOCBASE_RETURN_IF_ERROR(WriteIdsAndOccurrenceNumbers(area));
  DOCBASE_RETURN_IF_ERROR(
      SortInto(area, state, console, "wrd_04.txt", "wrd_05.txt"));
  DOCBASE_RETURN_IF_ERROR(WriteInvertedNumbers(area));
  return SortInto(area, state, console, "wrd_07.txt", "wrd_08.txt");
}

}  // namespace docbase
