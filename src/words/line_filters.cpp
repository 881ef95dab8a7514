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

bool LineFilters::InBlock(Block* block, std::string_view text,
                          std::string_view opening, std::string_view closing,
                          bool may_open) {
  if (!block->open && !block->closed && may_open &&
      FirstFollowsOpeningBracket(text, opening)) {
    block->open = true;
  }
  // The opening line may close the block too.
  if (block->open && !block->closed &&
      FirstFollowsOpeningBracket(text, closing)) {
    block->closed = true;
  }
  if (!block->open) return false;
  if (block->closed) *block = Block();  // the closing line is the last
  return true;
}

bool LineFilters::Drops(std::string_view line, std::string_view lower_line) {
  // Script markers keep their letter case; style markers are found in any
  // case, but never on a line with an inline "style=" attribute.
  if (InBlock(&script_, line, "script", "/script", /*may_open=*/true)) {
    return true;
  }
  if (InBlock(&style_, lower_line, "style", "/style",
              /*may_open=*/line.find("style=") == kNone)) {
    return true;
  }
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
