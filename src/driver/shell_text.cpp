#include "driver/shell_text.h"

namespace docbase {

namespace {

struct Placeholder {
  std::string_view name;
  std::string_view ShellTerms::*term;
};

constexpr Placeholder kPlaceholders[] = {
    {"{/}", &ShellTerms::path_separator},
    {"{''}", &ShellTerms::empty_argument},
    {"{folder}", &ShellTerms::example_folder},
    {"{piped answers}", &ShellTerms::piped_answers},
};

}  // namespace

std::string InShellTerms(std::string_view text, const ShellTerms& terms) {
  std::string filled;
  while (!text.empty()) {
    const Placeholder* found = nullptr;
    if (text.front() == '{') {
      for (const Placeholder& placeholder : kPlaceholders) {
        if (text.starts_with(placeholder.name)) found = &placeholder;
      }
    }
    if (found != nullptr) {
      filled += terms.*found->term;
      text.remove_prefix(found->name.size());
    } else {
      filled += text.front();
      text.remove_prefix(1);
    }
  }
  return WithLineEnds(filled, terms);
}

std::string WithLineEnds(std::string_view text, const ShellTerms& terms) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += terms.line_end;
    } else {
      out += c;
    }
  }
  return out;
}

std::string MessageLine(std::string_view message, const ShellTerms& terms) {
  return "docbase: " + std::string(message) + std::string(terms.line_end);
}

}  // namespace docbase
