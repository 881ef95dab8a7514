// The word scan of the page set, cut into batches: every page is read
// (PageReader) and scanned line by line (PageWordScanner), and each line
// with words is handed on with its line number, its words (bytes, column
// and vocabulary hash). The end of every page is marked, so pages without
// words are seen too. The batches carry no state of the numbering, so the
// scan can run on a thread of its own, ahead of the phase that numbers the
// words; a batch holds about kBatchBytes of words, which bounds the memory
// between the two. A line with more words than that goes on over several
// batches.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "pages/page_reader.h"
#include "words/page_word_scanner.h"
#include "words/word_census.h"

namespace docbase {

struct ScannedBatch {
  struct Word {
    uint32_t offset;  // in bytes
    uint32_t size;
    uint32_t column;
    uint64_t hash;  // Vocabulary::Hash
  };
  // A line with words, or (line_number 0) the end of a page. A line whose
  // words `go_on` has more of them in the next Line, of this batch or the
  // next one.
  struct Line {
    uint32_t line_number;
    uint32_t first_word;
    uint32_t word_count;
    bool go_on = false;
  };
  std::string bytes;
  std::vector<Word> words;
  std::vector<Line> lines;
  Status status;  // the read error that ended the scan

  std::string_view word(const Word& at) const {
    return std::string_view(bytes).substr(at.offset, at.size);
  }
  void Clear() {
    bytes.clear();
    words.clear();
    lines.clear();
  }
};

class PageSetScanner {
 public:
  static constexpr size_t kBatchBytes = 256 << 10;

  // `pages` must outlive the scanner; only their origins are read.
  explicit PageSetScanner(const std::vector<PageTally>& pages)
      : pages_(pages) {}

  // Fills `batch` with the next lines. False once every page has been
  // handed on, or after a read error (then in batch->status), with the
  // lines before it in the batch.
  bool Next(ScannedBatch* batch);

 private:
  // Hands on the words of line_ from next_hit_ on, until the batch is full;
  // false when the line goes on in the next batch.
  bool HandOnLine(ScannedBatch* batch);

  const std::vector<PageTally>& pages_;
  size_t page_ = 0;
  bool page_open_ = false;
  bool failed_ = false;
  PageReader reader_;
  PageWordScanner scanner_;
  // The line being handed on (a view into reader_'s buffer, kept until its
  // last word is), its words and the first not handed on yet.
  std::string_view line_;
  std::vector<WordHit> hits_;
  size_t next_hit_ = 0;
};

}  // namespace docbase
