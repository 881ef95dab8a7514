#include "words/scanned_lines.h"

#include "words/vocabulary.h"

namespace docbase {

bool PageSetScanner::Next(ScannedBatch* batch) {
  batch->Clear();
  batch->status = Status::Ok();
  if (failed_) return false;
  while (page_ < pages_.size()) {
    if (batch->bytes.size() >= kBatchBytes) return true;
    if (!page_open_) {
      const PageTally& page = pages_[page_];
      batch->status = reader_.Open(page.origin);
      if (!batch->status.ok()) break;
      scanner_.BeginPage();
      page_open_ = true;
    }
    std::string_view line;
    while (batch->bytes.size() < kBatchBytes && reader_.Next(&line)) {
      if (!scanner_.ScanLine(line, &hits_) || hits_.empty()) continue;
      batch->lines.push_back(
          ScannedBatch::Line{static_cast<uint32_t>(scanner_.line_number()),
                             static_cast<uint32_t>(batch->words.size()),
                             static_cast<uint32_t>(hits_.size())});
      for (const WordHit& hit : hits_) {
        batch->words.push_back(ScannedBatch::Word{
            static_cast<uint32_t>(batch->bytes.size()),
            static_cast<uint32_t>(hit.word.size()),
            static_cast<uint32_t>(hit.column), Vocabulary::Hash(hit.word)});
        batch->bytes.append(hit.word);
      }
    }
    if (batch->bytes.size() >= kBatchBytes) return true;
    batch->status = reader_.status();
    if (!batch->status.ok()) break;
    reader_.Close();
    page_open_ = false;
    batch->lines.push_back(ScannedBatch::Line{0, 0, 0});
    ++page_;
  }
  if (!batch->status.ok()) {
    failed_ = true;
    return false;
  }
  return !batch->lines.empty();
}

}  // namespace docbase
