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
    if (next_hit_ < hits_.size() && !HandOnLine(batch)) return true;
    while (batch->bytes.size() < kBatchBytes && reader_.Next(&line_)) {
      if (!scanner_.ScanLine(line_, &hits_) || hits_.empty()) continue;
      next_hit_ = 0;
      if (!HandOnLine(batch)) return true;
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

bool PageSetScanner::HandOnLine(ScannedBatch* batch) {
  ScannedBatch::Line& line = batch->lines.emplace_back(ScannedBatch::Line{
      static_cast<uint32_t>(scanner_.line_number()),
      static_cast<uint32_t>(batch->words.size()), 0});
  const size_t first = next_hit_;
  for (; next_hit_ < hits_.size(); ++next_hit_) {
    if (next_hit_ > first && batch->bytes.size() >= kBatchBytes) {
      line.go_on = true;
      break;
    }
    const WordHit& hit = hits_[next_hit_];
    const size_t offset = batch->bytes.size();
    AppendWordText(line_, hit, &batch->bytes);
    const std::string_view word = std::string_view(batch->bytes).substr(offset);
    batch->words.push_back(ScannedBatch::Word{static_cast<uint32_t>(offset),
                                              hit.size, hit.column,
                                              Vocabulary::Hash(word)});
  }
  line.word_count = static_cast<uint32_t>(next_hit_ - first);
  return !line.go_on;
}

}  // namespace docbase
