#include "words/line_filters.h"

#include "words/leading_number.h"

namespace docbase {
namespace {

constexpr size_t kNone = std::string_view::npos;

// Whether the first occurrence of `word` in `text` directly follows a "<".
bool FirstFollowsOpeningBracket(std::string_view text, std::string_view word) {
  size_t at = text.find(word);
  return at != kNone && at > 0 && text[at - 1] == '<';
}

// The number that starts the link target: the target's text from its
// second byte on (past the quote and, say, a "#"), or 0 when the line ends
// before that.
double LinkTargetNumber(std::string_view lower_line, size_t target_offset) {
  if (target_offset >= lower_line.size()) return 0;
  return LeadingNumber(lower_line.substr(target_offset));
}

}  // namespace

bool LineFilters::InBlock(Block* block) {
  if (!block->open) return false;
  if (block->closed) *block = Block();
  return true;
}

bool LineFilters::Drops(std::string_view line, std::string_view lower_line) {
  if (!script_.open && !script_.closed &&
      FirstFollowsOpeningBracket(line, "script")) {
    script_.open = true;
  }
  if (script_.open && !script_.closed &&
      FirstFollowsOpeningBracket(line, "/script")) {
    script_.closed = true;
  }
  if (InBlock(&script_)) return true;

  if (!style_.open && !style_.closed &&
      line.find("style=") == kNone &&
      FirstFollowsOpeningBracket(lower_line, "style")) {
    style_.open = true;
  }
  if (style_.open && !style_.closed &&
      FirstFollowsOpeningBracket(lower_line, "/style")) {
    style_.closed = true;
  }
  if (InBlock(&style_)) return true;

  return IsGeneratedLinkLine(lower_line);
}

size_t FirstLinkPosition(std::string_view lower_line) {
  size_t at = lower_line.find("href=");
  return at == kNone ? 0 : at + 1;
}

bool IsGeneratedLinkLine(std::string_view lower_line) {
  std::string_view link_text = "href=";
  size_t link = lower_line.find(link_text);
  if (link == kNone) {
    link_text = "href =";
    link = lower_line.find(link_text);
  }
  if (link == kNone) return false;  // without a link, no marker counts
  // The target's number is read from the second byte after the quote that
  // follows the "=", past a "#" say.
  size_t target_offset = link + link_text.size() + 2;
  if (LinkTargetNumber(lower_line, target_offset) > kHighestKeptLinkNumber) {
    return true;
  }
  size_t marker = lower_line.find("look_at:");
  return marker != kNone && marker < link;
}

}  // namespace docbase
