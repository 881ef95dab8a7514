#include "words/word_extraction.h"

#include <vector>

#include "base/text.h"
#include "io/checksum.h"
#include "io/line_writer.h"
#include "io/record_file.h"
#include "platform/path.h"
#include "words/occurrence_numbering.h"
#include "words/page_word_scanner.h"
#include "words/scan_ahead.h"
#include "words/scanned_lines.h"
#include "words/table_order.h"
#include "words/word_records.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

// The state of the phase across pages; the buffers are reused.
class Extraction {
 public:
  Extraction(const WorkArea& area, WordCensus* census)
      : area_(area), census_(*census) {}

  Status Open() {
    DOCBASE_RETURN_IF_ERROR(occurrences_.Open(OccurrenceFile(area_)));
    return page_words_.Open(PageWordFile(area_));
  }

  // Starts the first page; the scanned lines of each batch then continue
  // the pages from where the batch before left off.
  void Begin() { BeginPage(); }
  Status TakeBatch(const ScannedBatch& batch);

  Status Close() {
    DOCBASE_RETURN_IF_ERROR(occurrences_.Close());
    return page_words_.Close();
  }

  std::vector<uint32_t> Counts() {
    return numbering_.Counts(census_.vocabulary.word_count());
  }

 private:
  void BeginPage();
  void EndPage();
  Status TakeLine(const ScannedBatch& batch, const ScannedBatch::Line& line);
  void CountOnPage(const LineHit& hit, uint32_t line_number);
  void WritePageWords(PageTally* page);

  const WorkArea& area_;
  WordCensus& census_;
  OccurrenceNumbering numbering_;
  LineWriter occurrences_;
  LineWriter page_words_;
  // The words of the line being taken; a line whose words go on over
  // several batches keeps them here until its last one.
  std::vector<LineHit> line_hits_;
  bool line_goes_on_ = false;
  uint32_t page_number_ = 0;  // of the page the next line belongs to

  // The words of the current page: their records and the line and column
  // of their first occurrence. Each word's state in the numbering holds the
  // place of its record, valid while its stamp names this page.
  struct FirstSeen {
    uint32_t line;
    uint32_t column;
  };
  std::vector<StoredPageWord> page_records_;
  std::vector<FirstSeen> first_seen_;
  RecordChecksum page_occurrences_;  // of the current page's occurrences
  uint32_t page_stamp_ = 0;          // page number + 1
};

Status Extraction::TakeBatch(const ScannedBatch& batch) {
  for (const ScannedBatch::Line& line : batch.lines) {
    if (line.line_number == 0) {
      EndPage();
      ++page_number_;
      if (page_number_ < census_.pages.size()) BeginPage();
    } else {
      DOCBASE_RETURN_IF_ERROR(TakeLine(batch, line));
    }
  }
  return Status::Ok();
}

void Extraction::BeginPage() {
  PageTally& page = census_.pages[page_number_];
  page.first_occurrence = census_.occurrences;
  page.first_page_word = 0;
  page_stamp_ = page_number_ + 1;
  page_records_.clear();
  first_seen_.clear();
  page_occurrences_ = RecordChecksum();
}

void Extraction::EndPage() {
  PageTally& page = census_.pages[page_number_];
  page.occurrences = census_.occurrences - page.first_occurrence;
  page.occurrence_checksum = page_occurrences_.value();
  WritePageWords(&page);
}

Status Extraction::TakeLine(const ScannedBatch& batch,
                            const ScannedBatch::Line& line) {
  const uint32_t line_number = line.line_number;
  Vocabulary& vocabulary = census_.vocabulary;
  if (!line_goes_on_) line_hits_.clear();
  line_goes_on_ = line.go_on;
  const ScannedBatch::Word* words = batch.words.data() + line.first_word;
  for (uint32_t i = 0; i < line.word_count; ++i) {
    vocabulary.PrefetchSlot(words[i].hash);
  }
  for (uint32_t i = 0; i < line.word_count; ++i) {
    uint32_t spelling = 0;
    DOCBASE_RETURN_IF_ERROR(
        vocabulary.Intern(batch.word(words[i]), words[i].hash, &spelling));
    const uint32_t word = vocabulary.word_of(spelling);
    if (word == Vocabulary::kNoWord) continue;
    line_hits_.push_back(LineHit{word, spelling, words[i].column});
  }
  if (line_goes_on_ || line_hits_.empty()) return Status::Ok();
  numbering_.NumberLine(vocabulary, &line_hits_);
  for (const LineHit& hit : line_hits_) {
    const StoredOccurrence occurrence{hit.spelling, hit.k, line_number,
                                      hit.column};
    WriteRecord(occurrences_, occurrence);
    page_occurrences_.Add(occurrence);
    CountOnPage(hit, line_number);
  }
  census_.occurrences += line_hits_.size();
  return Status::Ok();
}

void Extraction::CountOnPage(const LineHit& hit, uint32_t line_number) {
  OccurrenceNumbering::WordState& on_page = numbering_.state(hit.word);
  if (on_page.page_stamp != page_stamp_) {
    on_page.page_stamp = page_stamp_;
    on_page.page_record = static_cast<uint32_t>(page_records_.size());
    page_records_.push_back(
        StoredPageWord{hit.word, 1, hit.k, hit.spelling, 0, kNoPage});
    first_seen_.push_back(FirstSeen{line_number, hit.column});
    return;
  }
  const uint32_t at = on_page.page_record;
  StoredPageWord& record = page_records_[at];
  ++record.count;
  // The first occurrence on the page is the first of its line in the
  // tables' column order, which is not always the numeric one.
  FirstSeen& first = first_seen_[at];
  if (first.line == line_number && ColumnLess(hit.column, first.column)) {
    first.column = hit.column;
    record.first_k = hit.k;
    record.first_spelling = hit.spelling;
  }
}

void Extraction::WritePageWords(PageTally* page) {
  page->first_page_word = census_.page_words;
  page->page_words = page_records_.size();
  for (StoredPageWord& record : page_records_) {
    record.last_k = numbering_.state(record.word).last_k;
    WriteRecord(page_words_, record);
  }
  RecordChecksum checksum;
  checksum.Add(page_records_.data(), page_records_.size());
  page->page_word_checksum = checksum.value();
  census_.page_words += page_records_.size();
}

}  // namespace

Status ExtractWords(const WorkArea& area, std::vector<NumberedPage> pages,
                    int jobs, WordCensus* census) {
  Extraction extraction(area, census);
  for (NumberedPage& page : pages) {
    std::string name = ToLowerAscii(page.name);
    if (!Contains(name, PageExtension())) continue;
    census->pages.push_back(PageTally{std::move(page.name), std::move(name),
                                      std::move(page.origin)});
  }
  DOCBASE_RETURN_IF_ERROR(extraction.Open());
  if (!census->pages.empty()) extraction.Begin();
  PageSetScanner scanner(census->pages);
  if (jobs > 1) {
    // Reading and scanning on a thread of their own, the numbering here.
    ScanAhead ahead(scanner);
    const ScannedBatch* batch = nullptr;
    bool more = true;
    while (more) {
      more = ahead.Next(&batch);
      DOCBASE_RETURN_IF_ERROR(extraction.TakeBatch(*batch));
      DOCBASE_RETURN_IF_ERROR(batch->status);
    }
  } else {
    ScannedBatch batch;
    bool more = true;
    while (more) {
      more = scanner.Next(&batch);
      DOCBASE_RETURN_IF_ERROR(extraction.TakeBatch(batch));
      DOCBASE_RETURN_IF_ERROR(batch.status);
    }
  }
  DOCBASE_RETURN_IF_ERROR(extraction.Close());
  if (census->occurrences >= UINT32_MAX) {
    return Status::IoError(Utf8FromPath(OccurrenceFile(area)),
                           "too many word occurrences for one run");
  }
  census->word_counts = extraction.Counts();
  census->vocabulary.Freeze();
  return Status::Ok();
}

}  // namespace docbase
