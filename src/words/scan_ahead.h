// ScanAhead runs a PageSetScanner on a thread of its own, up to two
// batches ahead of the thread that takes them, so that reading and
// scanning the pages overlaps with numbering their words. The batches go
// round between the two threads and are reused, so the memory stays at
// three batches. The scanner's thread ends when the scan is over or when
// the ScanAhead is destroyed.
#pragma once

#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "words/scanned_lines.h"

namespace docbase {

class ScanAhead {
 public:
  explicit ScanAhead(PageSetScanner& scanner);
  ~ScanAhead();
  ScanAhead(const ScanAhead&) = delete;
  ScanAhead& operator=(const ScanAhead&) = delete;

  // As PageSetScanner::Next; `*batch` stays valid until the next call.
  // Once it has returned false it must not be called again.
  bool Next(const ScannedBatch** batch);

 private:
  struct Filled {
    size_t batch;
    bool more;
  };
  void Scan(PageSetScanner& scanner);

  std::array<ScannedBatch, 3> batches_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<size_t> free_ = {0, 1, 2};
  std::deque<Filled> filled_;
  bool stop_ = false;
  bool holding_ = false;
  size_t held_ = 0;
  std::thread thread_;  // last: started once the rest is set
};

}  // namespace docbase
