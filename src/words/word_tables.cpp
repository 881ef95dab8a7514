#include "words/word_tables.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/text.h"
#include "sort/file_sort.h"
#include "words/record_view.h"

namespace docbase {
namespace {

// One streaming pass: a table read record by record, and the one or two
// tables written from it. The last output is also the input of the file
// sort that follows, which takes its lines as they are written instead of
// reading the file back.
class TablePass {
 public:
  TablePass(const WorkArea& area, RunState& state, Console& console)
      : area_(area), state_(state), sorter_(area, state, console) {}

  // Opens the tables; with a `sorted` name, the last output is sorted into
  // that file.
  Status Open(std::string_view input,
              std::initializer_list<std::string_view> outputs,
              std::string_view sorted) {
    DOCBASE_RETURN_IF_ERROR(reader_.Open(area_.Path(input)));
    output_count_ = 0;
    for (std::string_view output : outputs) {
      DOCBASE_RETURN_IF_ERROR(
          writers_.at(output_count_++).Open(area_.Path(output)));
      state_.sort_input_name = output;
    }
    state_.sort_output_name = sorted;
    return sorter_.Start();
  }

  bool Next(std::string_view* line) { return reader_.Next(line); }

  // Writes `line` to output `index`.
  Status Write(size_t index, std::string_view line) {
    writers_[index].WriteLine(line);
    return index + 1 == output_count_ ? sorter_.Add(line) : Status::Ok();
  }

  Status Finish() {
    DOCBASE_RETURN_IF_ERROR(reader_.status());
    reader_.Close();
    for (size_t i = 0; i < output_count_; ++i) {
      DOCBASE_RETURN_IF_ERROR(writers_[i].Close());
    }
    return sorter_.Finish();
  }

 private:
  const WorkArea& area_;
  RunState& state_;
  LineReader reader_;
  std::array<LineWriter, 2> writers_;
  size_t output_count_ = 0;
  FileSorter sorter_;
};

void AppendQuotedField(std::string* out, std::string_view field) {
  out->push_back('"');
  out->append(field);
  out->push_back('"');
}

// wrd_01.txt (word, page, line, col, w5) -> wrd_01_01.txt (lc, page, line,
// word, col, w5), without the words that hold "&nbsp;" once lower-cased;
// then the file sort of wrd_01_01.txt into wrd_01_02.txt.
Status WriteLowerCasedOccurrences(const WorkArea& area, RunState& state,
                                  Console& console) {
  TablePass pass(area, state, console);
  DOCBASE_RETURN_IF_ERROR(
      pass.Open("wrd_01.txt", {"wrd_01_01.txt"}, "wrd_01_02.txt"));
  std::string scratch, lc, out;
  std::string_view line;
  while (pass.Next(&line)) {
    RecordView record(line, 5, &scratch);
    std::string_view word = record.field(0);
    lc.assign(word);
    LowerAsciiInPlace(&lc);
    if (Contains(lc, "&nbsp;")) continue;
    out.clear();
    AppendQuotedField(&out, lc);
    out.append(1, ',').append(record.RawFields(1, 3)).append(1, ',');
    AppendQuotedField(&out, word);
    out.append(1, ',').append(record.RawFields(3, 5));
    DOCBASE_RETURN_IF_ERROR(pass.Write(0, out));
  }
  return pass.Finish();
}

// wrd_01_02.txt (lc, page, line, word, col, w5) -> wrd_03.txt (page, line,
// col, word, id) and wrd_04.txt (the same with k), then the file sort of
// wrd_04.txt into wrd_05.txt. A new id starts at each change of lc,
// numbered by the record's position; k counts the records of one id,
// dropped ones included, and only records with a page and an id reach
// wrd_04.
Status WriteIdsAndOccurrenceNumbers(const WorkArea& area, RunState& state,
                                    Console& console) {
  TablePass pass(area, state, console);
  DOCBASE_RETURN_IF_ERROR(pass.Open(
      "wrd_01_02.txt", {"wrd_03.txt", "wrd_04.txt"}, "wrd_05.txt"));
  uint64_t position = 0;
  std::string scratch, current_lc, id, out;
  bool id_is_id = false;
  uint64_t k = 0;
  std::string_view line;
  for (; pass.Next(&line); ++position) {
    RecordView record(line, 5, &scratch);
    std::string_view lc = record.field(0), page = record.field(1);
    if (position == 0 || lc != current_lc) {
      id = WordId(position);
      id_is_id = Contains(id, "id");
      current_lc.assign(lc);
      k = 1;  // a new id (ids are never repeated: each names its position)
    } else {
      ++k;
    }
    // page, line, col, word, id
    out.assign(record.RawFields(1, 3)).append(1, ',');
    AppendQuotedField(&out, record.field(4));
    out.append(1, ',');
    AppendQuotedField(&out, record.field(3));
    out.append(1, ',');
    AppendQuotedField(&out, id);
    DOCBASE_RETURN_IF_ERROR(pass.Write(0, out));
    if (Contains(page, "page_") && id_is_id) {
      char digits[24];
      out.append(",\"")
          .append(digits,
                  std::to_chars(digits, digits + sizeof(digits), k).ptr)
          .append(1, '"');
      DOCBASE_RETURN_IF_ERROR(pass.Write(1, out));
    }
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
// wrd_07.txt (inv, id, page, line, col, word, id, k of the same records),
// then the file sort of wrd_07.txt into wrd_08.txt.
Status WriteInvertedNumbers(const WorkArea& area, RunState& state,
                            Console& console) {
  TablePass pass(area, state, console);
  DOCBASE_RETURN_IF_ERROR(
      pass.Open("wrd_05.txt", {"wrd_06.txt", "wrd_07.txt"}, "wrd_08.txt"));
  std::string scratch, out;
  std::string_view line;
  while (pass.Next(&line)) {
    RecordView record(line, 6, &scratch);
    std::string_view page = record.field(0), id = record.field(4);
    if (!ContainsIgnoreCase(page, "page_") || !Contains(id, "id")) continue;
    DOCBASE_RETURN_IF_ERROR(pass.Write(0, line));
    out.clear();
    AppendQuotedField(&out, InvertedOccurrenceNumber(record.field(5)));
    out.append(1, ',');
    AppendQuotedField(&out, id);
    out.append(1, ',').append(record.RawFields(0, 6));
    DOCBASE_RETURN_IF_ERROR(pass.Write(1, out));
  }
  return pass.Finish();
}

}  // namespace

Status SortWordOccurrences(const WorkArea& area, RunState& state,
                           Console& console) {
  return WriteLowerCasedOccurrences(area, state, console);
}

Status NumberWordOccurrences(const WorkArea& area, RunState& state,
                             Console& console) {
  DOCBASE_RETURN_IF_ERROR(WriteIdsAndOccurrenceNumbers(area, state, console));
  return WriteInvertedNumbers(area, state, console);
}

}  // namespace docbase
