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
    std::string line_field = BlankPadded(run->scanner.line_number(), 10);
    for (const WordHit& hit : run->hits) {
      run->words.WriteRecord({hit.word, page, line_field,
                              BlankPadded(hit.column, 6), hit.word});
      run->trace.WriteLine(TraceWordLine(hit.scan_position, hit.word));
    }
  }
  DOCBASE_RETURN_IF_ERROR(run->page_reader.status());
  run->page_reader.Close();
  return run->trace.Close();
}

}  // namespace

std::string TraceWordLine(size_t scan_position, std::string_view word) {
  std::string line = SignedDecimal(static_cast<int64_t>(scan_position));
  if (line.size() < kTraceNumberWidth) line.resize(kTraceNumberWidth, ' ');
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
