#include "html/classic/page_rewriter.h"

#include "base/text.h"
#include "html/body_line.h"
#include "html/classic/page_templates.h"

namespace docbase {

Status PageRewriter::Start(std::string_view page, const PageOrigin& origin) {
  DOCBASE_RETURN_IF_ERROR(Open(page, origin));
  body_found_ = false;
  return Status::Ok();
}

Status PageRewriter::AdvanceTo(uint64_t line_number) {
  return lines_.AdvanceTo(line_number, [&](std::string_view line, bool before) {
    if (!body_found_ && IsBodyLine(line)) {
      WriteHighlightScript(out_, display_);
      WriteNavigationBar(out_, neighbours_.Find(page_),
                         NextLinkEnd::kTrailingBlank);
      body_found_ = true;
    }
    if (before) out_.WriteLine(line);
  });
}

void PageRewriter::WriteTextBefore(uint64_t column) {
  out_.WriteLine(lines_.TextBefore(column));
}

void PageRewriter::LeaveWordLine() {
  if (lines_.has_word()) out_.WriteLine(lines_.TakeRestAfterWord());
}

Status PageRewriter::Finish(NextLinkEnd bottom_next_end) {
  LeaveWordLine();
  std::string_view line;
  while (lines_.Next(&line)) {
    if (ContainsIgnoreCase(line, "</body>")) {
      WriteNavigationBar(out_, neighbours_.Find(page_), bottom_next_end);
    }
    out_.WriteLine(line);
  }
  DOCBASE_RETURN_IF_ERROR(CloseLines());
  return out_.Close();
}

}  // namespace docbase
