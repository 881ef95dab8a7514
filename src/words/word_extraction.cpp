#include "words/word_extraction.h"

#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/text.h"
#include "words/page_word_scanner.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

constexpr std::string_view kPageListing = "dir_02.txt";
constexpr std::string_view kWordFile = "wrd_01.txt";
constexpr std::string_view kTraceRule =
    "=================================================";  // 49 "="
constexpr size_t kTraceNumberWidth = 14;

// A number as the tables and trace lines write it, without allocating:
// right-aligned in `width` characters (blanks in front), or, for a trace
// line, with one blank in front and blanks after up to `width`. A longer
// number is written in full.
class PaddedNumber {
 public:
  PaddedNumber(size_t value, size_t width, bool left_aligned) {
    char digits[24];
    size_t count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value > 0);
    if (left_aligned) text_[size_++] = ' ';
    if (!left_aligned) {
      while (size_ + count < width) text_[size_++] = ' ';
    }
    while (count > 0) text_[size_++] = digits[--count];
    if (left_aligned) {
      while (size_ < width) text_[size_++] = ' ';
    }
  }
  std::string_view text() const { return std::string_view(text_, size_); }

 private:
  char text_[48];
  size_t size_ = 0;
};

// The state of the phase across pages. The reader and the trace writer
// are reused so that their large buffers are allocated once, not per page.
struct Extraction {
  explicit Extraction(const WorkArea& work_area) : area(work_area) {}

  const WorkArea& area;
  PageWordScanner scanner;
  std::vector<WordHit> hits;
  LineReader page_reader;
  LineWriter trace;
  LineWriter words;
};

// Scans the page listed as `listed_name` (opened under that spelling) and
// writes its word records, under the lower-cased `page` name, and its trace.
Status ExtractPage(std::string_view listed_name, const std::string& page,
                   Extraction* run) {
  std::string trace_name = page.substr(0, page.find(".htm")) + ".txt";
  DOCBASE_RETURN_IF_ERROR(run->trace.Open(run->area.Path(trace_name)));
  DOCBASE_RETURN_IF_ERROR(run->page_reader.Open(run->area.Path(listed_name)));

  run->scanner.BeginPage();
  std::string_view line;
  while (run->page_reader.Next(&line)) {
    if (!run->scanner.ScanLine(line, &run->hits)) continue;
    run->trace.WriteLine(kTraceRule);
    run->trace.WriteLine(line);
    if (run->hits.empty()) continue;
    // Written piece by piece: a page set has millions of words.
    PaddedNumber line_field(run->scanner.line_number(), 10, false);
    for (const WordHit& hit : run->hits) {
      PaddedNumber column(hit.column, 6, false);
      LineWriter& words = run->words;
      words.Write("\"");
      words.Write(hit.word);
      words.Write("\",\"");
      words.Write(page);
      words.Write("\",\"");
      words.Write(line_field.text());
      words.Write("\",\"");
      words.Write(column.text());
      words.Write("\",\"");
      words.Write(hit.word);
      words.Write("\"\r\n");
      // The trace line: " " + position, blanks up to 14 characters, word.
      PaddedNumber position(hit.scan_position, kTraceNumberWidth, true);
      run->trace.Write(position.text());
      run->trace.WriteLine(hit.word);
    }
  }
  DOCBASE_RETURN_IF_ERROR(run->page_reader.status());
  run->page_reader.Close();
  return run->trace.Close();
}

}  // namespace

std::string TraceWordLine(size_t scan_position, std::string_view word) {
  std::string line(
      PaddedNumber(scan_position, kTraceNumberWidth, true).text());
  line.append(word);
  return line;
}

Status ExtractWords(const WorkArea& area) {
  DOCBASE_RETURN_IF_ERROR(ListNames(area, "page_*.htm", kPageListing));
  LineReader listing;
  DOCBASE_RETURN_IF_ERROR(listing.Open(area.Path(kPageListing)));
  Extraction run(area);
  DOCBASE_RETURN_IF_ERROR(run.words.Open(area.Path(kWordFile)));

  std::string_view listed_name;
  while (listing.Next(&listed_name)) {
    std::string page = ToLowerAscii(listed_name);
    if (!Contains(page, ".htm")) continue;
    DOCBASE_RETURN_IF_ERROR(ExtractPage(listed_name, page, &run));
  }
  DOCBASE_RETURN_IF_ERROR(listing.status());
  return run.words.Close();
}

}  // namespace docbase
