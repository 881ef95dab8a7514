#include "words/word_tables.h"

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

// The fields of one record; a field the line lacks reads as empty.
class Record {
 public:
  void Split(std::string_view line) { SplitQuotedRecord(line, &fields_); }
  std::string_view operator[](size_t index) const {
    return index < fields_.size() ? fields_[index] : std::string_view();
  }

 private:
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
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_01.txt")));
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path("wrd_01_01.txt")));
  Record record;
  std::string lc;
  std::string_view line;
  while (reader.Next(&line)) {
    record.Split(line);
    lc.assign(record[0]);
    LowerAsciiInPlace(&lc);
    if (Contains(lc, "&nbsp;")) continue;
    writer.WriteRecord(
        {lc, record[1], record[2], record[0], record[3], record[4]});
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  return writer.Close();
}

// wrd_01_02.txt (lc, page, line, word, col, w5) -> wrd_03.txt (page, line,
// col, word, id) and wrd_04.txt (the same with k). A new id starts at each
// change of lc, numbered by the record's position; k counts the records of
// one id, dropped ones included, and only records with a page and an id
// reach wrd_04.
Status WriteIdsAndOccurrenceNumbers(const WorkArea& area) {
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_01_02.txt")));
  LineWriter ids;
  DOCBASE_RETURN_IF_ERROR(ids.Open(area.Path("wrd_03.txt")));
  LineWriter numbered;
  DOCBASE_RETURN_IF_ERROR(numbered.Open(area.Path("wrd_04.txt")));
  Record record;
  uint64_t position = 0;
  std::string current_lc;
  std::string id;
  std::string previous_id;
  uint64_t k = 0;
  std::string_view line;
  for (; reader.Next(&line); ++position) {
    record.Split(line);
    std::string_view lc = record[0], page = record[1], line_number = record[2],
                     word = record[3], col = record[4];
    if (position == 0 || lc != current_lc) {
      id = WordId(position);
      current_lc.assign(lc);
    }
    ids.WriteRecord({page, line_number, col, word, id});

    if (position == 0) previous_id = id;
    ++k;
    if (id != previous_id) k = 1;
    if (Contains(page, "page_") && Contains(id, "id")) {
      numbered.WriteRecord(
          {page, line_number, col, word, id, std::to_string(k)});
    }
    previous_id = id;
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  DOCBASE_RETURN_IF_ERROR(ids.Close());
  return numbered.Close();
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
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path("wrd_05.txt")));
  LineWriter kept;
  DOCBASE_RETURN_IF_ERROR(kept.Open(area.Path("wrd_06.txt")));
  LineWriter inverted;
  DOCBASE_RETURN_IF_ERROR(inverted.Open(area.Path("wrd_07.txt")));
  Record record;
  std::string_view line;
  while (reader.Next(&line)) {
    record.Split(line);
    std::string_view page = record[0], line_number = record[1],
                     col = record[2], word = record[3], id = record[4],
                     k = record[5];
    if (!ContainsIgnoreCase(page, "page_") || !Contains(id, "id")) continue;
    kept.WriteLine(line);
    inverted.WriteRecord({InvertedOccurrenceNumber(k), id, page, line_number,
                          col, word, id, k});
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  DOCBASE_RETURN_IF_ERROR(kept.Close());
  return inverted.Close();
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
