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

// Scans the page listed as `listed_name` (opened under that spelling) and
// writes its word records, under the lower-cased `page` name, and its trace.
Status ExtractPage(const WorkArea& area, std::string_view listed_name,
                   const std::string& page, PageWordScanner* scanner,
                   std::vector<WordHit>* hits, LineWriter* words) {
  std::string trace_name = page.substr(0, page.find(".htm")) + ".txt";
  LineWriter trace;
  DOCBASE_RETURN_IF_ERROR(trace.Open(area.Path(trace_name)));
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(listed_name)));

  scanner->BeginPage();
  std::string_view line;
  while (reader.Next(&line)) {
    if (!scanner->ScanLine(line, hits)) continue;
    trace.WriteLine(kTraceRule);
    trace.WriteLine(line);
    if (hits->empty()) continue;
    std::string line_field = BlankPadded(scanner->line_number(), 10);
    for (const WordHit& hit : *hits) {
      words->WriteRecord({hit.word, page, line_field,
                          BlankPadded(hit.column, 6), hit.word});
      trace.WriteLine(TraceWordLine(hit.scan_position, hit.word));
    }
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  return trace.Close();
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
  LineWriter words;
  DOCBASE_RETURN_IF_ERROR(words.Open(area.Path(kWordFile)));

  PageWordScanner scanner;
  std::vector<WordHit> hits;
  std::string_view listed_name;
  while (listing.Next(&listed_name)) {
    std::string page = ToLowerAscii(listed_name);
    if (!Contains(page, ".htm")) continue;
    DOCBASE_RETURN_IF_ERROR(
        ExtractPage(area, listed_name, page, &scanner, &hits, &words));
  }
  DOCBASE_RETURN_IF_ERROR(listing.status());
  return words.Close();
}

}  // namespace docbase
