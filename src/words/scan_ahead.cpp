#include "words/scan_ahead.h"

namespace docbase {

ScanAhead::ScanAhead(PageSetScanner& scanner)
    : thread_([this, &scanner] { Scan(scanner); }) {}

ScanAhead::~ScanAhead() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void ScanAhead::Scan(PageSetScanner& scanner) {
  for (;;) {
    size_t batch = 0;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return stop_ || !free_.empty(); });
      if (stop_) return;
      batch = free_.front();
      free_.pop_front();
    }
    const bool more = scanner.Next(&batches_[batch]);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      filled_.push_back(Filled{batch, more});
    }
    changed_.notify_all();
    if (!more) return;
  }
}

bool ScanAhead::Next(const ScannedBatch** batch) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (holding_) {
    free_.push_back(held_);
    holding_ = false;
    changed_.notify_all();
  }
  changed_.wait(lock, [this] { return !filled_.empty(); });
  const Filled filled = filled_.front();
  filled_.pop_front();
  held_ = filled.batch;
  holding_ = true;
  *batch = &batches_[filled.batch];
  return filled.more;
}

}  // namespace docbase
