#include "words/page_word_scanner.h"

#include "base/text.h"

namespace docbase {

void PageWordScanner::BeginPage() {
  filters_.Reset();
  line_number_ = 0;
  continuation_ = false;
}

bool PageWordScanner::ScanLine(std::string_view line,
                               std::vector<WordHit>* hits) {
  hits->clear();
  ++line_number_;
  lower_line_.assign(line);
  LowerAsciiInPlace(&lower_line_);
  if (filters_.Drops(line, lower_line_)) return false;

  const bool has_closing_bracket = line.find('>') != std::string_view::npos;
  // A line that holds no ">" cannot close a tag left open before it: it is
  // dropped, still inside that tag.
  if (continuation_ && !has_closing_bracket) return false;
  const bool was_continued = continuation_;
  BuildTagMap(line, &continuation_, &tags_);
  // A line that is nothing but the beginning of an unclosed tag is dropped;
  // the tag continues on the next line.
  if (!was_continued && !has_closing_bracket && !line.empty() &&
      line.front() == '<') {
    return false;
  }

  ScanWords(line, tags_, FirstLinkPosition(lower_line_), hits);
  return true;
}

}  // namespace docbase
