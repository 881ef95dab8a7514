#include "words/line_scanner.h"

#include <algorithm>
#include <cstring>

namespace docbase {
namespace {

// The scan state of one line. Visit is called for the positions where
// something happens (an outside blank, a tag start, a tag end, the last
// byte), in ascending order; the positions in between can take no word
// and are passed over, which keeps the scan linear.
class LineScan {
 public:
  LineScan(std::string_view line, size_t first_link, std::vector<WordHit>* hits)
      : line_(line), first_link_(first_link), hits_(hits) {}

  // Returns false when the link check has ended the line's scan.
  bool Visit(size_t pos, bool tag_start, bool tag_end, bool blank);

  // Visits the blanks among positions from..to (1-based, inclusive), which
  // lie in no tag.
  bool VisitBlanks(size_t from, size_t to);

  size_t last_visited() const { return last_visited_; }

 private:
  void Take(size_t first, size_t last, size_t pos) {
    if (last < first) return;  // an empty candidate
    FinishWord(line_.substr(first - 1, last - first + 1), first, pos, hits_);
  }

  std::string_view line_;
  size_t first_link_;
  std::vector<WordHit>* hits_;
  size_t last_visited_ = 0;
  // The most recent tag start (s) and tag end (t) reached, the most recent
  // outside blank (b) and the outside blank before it (p); 0 for none.
  size_t s_ = 0, t_ = 0, b_ = 0, p_ = 0;
};

bool LineScan::Visit(size_t pos, bool tag_start, bool tag_end, bool blank) {
  last_visited_ = pos;
  const size_t length = line_.size();
  if (tag_start) s_ = pos;
  if (tag_end) t_ = pos;
  if (blank) b_ = pos;

  if (blank) {
    if (s_ == 0 && t_ == 0) {
      Take(p_ + 1, pos - 1, pos);  // no tag yet: from the previous blank
    } else if (s_ < t_ && p_ < s_) {
      Take(t_ + 1, pos - 1, pos);  // a tag ended since the previous blank
    } else if (s_ < t_ && t_ < p_) {
      Take(p_ + 1, pos - 1, pos);  // between two blanks after a tag
    }
  }
  if (tag_start) {
    if (t_ < s_ && b_ < t_) {
      // Directly between two tags. When the earlier tag ends after the
      // line's first link, this is a one-word link text: the line ends.
      if (first_link_ != 0 && first_link_ < t_) return false;
      Take(t_ + 1, pos - 1, pos);
    } else if (t_ < b_) {
      Take(b_ + 1, pos - 1, pos);  // from the last blank to the tag
    }
  }
  if (pos == length) {
    if (b_ < s_ && s_ < t_) {
      Take(t_ + 1, length, pos);  // after the last tag
    } else if (t_ < b_ && b_ < length) {
      Take(b_ + 1, length, pos);  // after the last blank
    } else if (s_ == 0 && t_ == 0 && p_ == 0 && b_ == 0) {
      Take(1, length, pos);  // no delimiter at all: the whole line
    }
  }
  if (blank) p_ = b_;
  return true;
}

bool LineScan::VisitBlanks(size_t from, size_t to) {
  const char* data = line_.data();
  size_t index = from - 1;  // 0-based
  while (index < to) {
    const void* found = std::memchr(data + index, ' ', to - index);
    if (found == nullptr) break;
    size_t blank = static_cast<size_t>(static_cast<const char*>(found) - data);
    if (!Visit(blank + 1, false, false, true)) return false;
    index = blank + 1;
  }
  return true;
}

}  // namespace

void FinishWord(std::string_view candidate, size_t column, size_t scan_position,
                std::vector<WordHit>* hits) {
  if (!candidate.empty() && candidate.front() == '"') {
    candidate.remove_prefix(1);
    ++column;
  }
  if (!candidate.empty() && candidate.back() == '"') candidate.remove_suffix(1);
  if (candidate.size() < kMinimumWordBytes) return;
  hits->push_back(WordHit{static_cast<uint32_t>(column),
                          static_cast<uint32_t>(candidate.size()),
                          static_cast<uint32_t>(scan_position)});
}

void AppendWordText(std::string_view line, const WordHit& hit,
                    std::string* out) {
  const size_t start = out->size();
  out->append(line.substr(hit.column - 1, hit.size));
  std::replace(out->begin() + static_cast<std::ptrdiff_t>(start), out->end(),
               '"', '\'');
}

void ScanWords(std::string_view line, const std::vector<Tag>& tags,
               size_t first_link, std::vector<WordHit>* hits) {
  LineScan scan(line, first_link, hits);
  size_t gap_start = 1;  // first position after the previous tag
  for (const Tag& tag : tags) {
    if (!scan.VisitBlanks(gap_start, tag.start - 1)) return;
    bool one_byte = tag.start == tag.end;
    if (!scan.Visit(tag.start, true, one_byte, false)) return;
    if (!one_byte && !scan.Visit(tag.end, false, true, false)) return;
    gap_start = tag.end + 1;
  }
  if (!scan.VisitBlanks(gap_start, line.size())) return;
  if (!line.empty() && scan.last_visited() != line.size()) {
    scan.Visit(line.size(), false, false, false);
  }
}

}  // namespace docbase
