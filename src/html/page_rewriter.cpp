#include "html/page_rewriter.h"

#include "common/text.h"
#include "html/body_line.h"
#include "html/page_templates.h"

namespace docbase {
namespace {

// An empty line that still points somewhere: the writer copies from the
// pointer of every piece, even an empty one.
constexpr std::string_view kEmpty = "";

}  // namespace

Status PageRewriter::Start(std::string_view page, const PageOrigin& origin) {
  page_.assign(page);
  DOCBASE_RETURN_IF_ERROR(reader_.Open(origin));
  // The page is made from its origin, so it is written once, where it stays.
  DOCBASE_RETURN_IF_ERROR(
      out_.Open(area_.Path(std::string(TrimBlanks(page_)))));
  open_ = true;
  line_count_ = 0;
  body_found_ = false;
  line_ = kEmpty;
  word_end_.reset();
  return Status::Ok();
}

Status PageRewriter::AdvanceTo(uint64_t line_number) {
  // Most records are on the line of the record before them.
  if (line_count_ >= line_number) return Status::Ok();
  while (line_count_ < line_number) {
    std::string_view line;
    if (!reader_.Next(&line)) {
      // A record past the end of the page (never made by the word scan):
      // its line is empty, and nothing is invented for the lines between.
      line_ = kEmpty;
      line_count_ = line_number;
      break;
    }
    line_ = line;
    ++line_count_;
    if (!body_found_ && IsBodyLine(line_)) {
      WriteHighlightScript(out_, display_);
      WriteNavigationBar(out_, neighbours_.Find(page_),
                         NextLinkEnd::kTrailingBlank);
      body_found_ = true;
    }
    if (line_count_ < line_number) out_.WriteLine(line_);
  }
  return reader_.status();
}

std::string_view PageRewriter::LineBytes(uint64_t from, uint64_t to) const {
  const std::string_view line = line_;
  if (from < 1) from = 1;
  if (to > line.size()) to = line.size();
  if (from > to) return kEmpty;
  return line.substr(from - 1, to - from + 1);
}

void PageRewriter::WriteTextBefore(uint64_t column) {
  const uint64_t to = column > 0 ? column - 1 : 0;
  out_.WriteLine(LineBytes(word_end_.value_or(1), to));
}

void PageRewriter::LeaveWordLine() {
  if (!word_end_) return;
  out_.WriteLine(LineBytes(*word_end_, line_.size()));
  word_end_.reset();
}

Status PageRewriter::Finish(NextLinkEnd bottom_next_end) {
  LeaveWordLine();
  std::string_view line;
  while (reader_.Next(&line)) {
    if (ContainsIgnoreCase(line, "</body>")) {
      WriteNavigationBar(out_, neighbours_.Find(page_), bottom_next_end);
    }
    out_.WriteLine(line);
  }
  open_ = false;
  Status read = reader_.status();
  reader_.Close();
  DOCBASE_RETURN_IF_ERROR(read);
  return out_.Close();
}

}  // namespace docbase
