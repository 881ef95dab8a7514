#include "html/page_rewriter.h"

#include "common/text.h"
#include "html/body_line.h"
#include "html/page_templates.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

// An empty line that still points somewhere: the writer copies from the
// pointer of every piece, even an empty one.
constexpr std::string_view kEmpty = "";

}  // namespace

Status PageRewriter::Start(std::string_view page, const PageOrigin* origin) {
  static const PageOrigin kFile;
  page_.assign(page);
  if (origin == nullptr) origin = &kFile;
  DOCBASE_RETURN_IF_ERROR(reader_.Open(area_, page_, *origin));
  // A page made from its origin is written once, where it stays.
  working_name_ = origin->kind == PageOrigin::Kind::kFile
                      ? RewrittenPageName(page_)
                      : std::string();
  DOCBASE_RETURN_IF_ERROR(working_.Open(area_.Path(
      working_name_.empty() ? std::string(TrimBlanks(page_)) : working_name_)));
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
      WriteHighlightScript(working_, display_);
      WriteNavigationBar(working_, neighbours_.Find(page_),
                         NextLinkEnd::kTrailingBlank);
      body_found_ = true;
    }
    if (line_count_ < line_number) working_.WriteLine(line_);
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
  working_.WriteLine(LineBytes(word_end_.value_or(1), to));
}

void PageRewriter::LeaveWordLine() {
  if (!word_end_) return;
  working_.WriteLine(LineBytes(*word_end_, line_.size()));
  word_end_.reset();
}

Status PageRewriter::Finish(NextLinkEnd bottom_next_end) {
  LeaveWordLine();
  std::string_view line;
  while (reader_.Next(&line)) {
    if (ContainsIgnoreCase(line, "</body>")) {
      WriteNavigationBar(working_, neighbours_.Find(page_), bottom_next_end);
    }
    working_.WriteLine(line);
  }
  open_ = false;
  Status read = reader_.status();
  reader_.Close();
  DOCBASE_RETURN_IF_ERROR(read);
  DOCBASE_RETURN_IF_ERROR(working_.Close());
  if (working_name_.empty()) return Status::Ok();
  // The end state of copying the working file over the page: the working
  // file would only be deleted with the other pages at the end of the run.
  return MoveFile(area_, working_name_, std::string(TrimBlanks(page_)));
}

}  // namespace docbase
