#include "pages/name_sanitiser.h"

#include "common/text.h"

namespace docbase {
namespace {

bool IsNameByte(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

// Whether the name could pass for a numbered page, the working copy of
// page 1 or the promotional page.
bool NeedsFilePrefix(std::string_view name, std::string_view base) {
  std::string lower_base = ToLowerAscii(base);
  return ToLowerAscii(name.substr(0, 5)) == "page_" || lower_base == "page" ||
         lower_base == "f_promote";
}

}  // namespace

std::string SanitisedName(std::string_view listed_name) {
  std::string_view old_name = TrimBlanks(listed_name);
  size_t extension = FindIgnoreCase(old_name, ".txt");
  if (extension == std::string_view::npos) return std::string(listed_name);

  std::string base(TrimBlanks(old_name.substr(0, extension)));
  for (char& c : base) {
    if (!IsNameByte(c)) c = '_';
  }
  std::string name = base;
  name += old_name.substr(extension);
  if (NeedsFilePrefix(name, base)) name.insert(0, "file_");
  return name;
}

std::string ConvertedPageName(std::string_view text_name) {
  size_t extension = FindIgnoreCase(text_name, ".txt");
  if (extension == std::string_view::npos) {
    return std::string(text_name) + ".htm";
  }
  std::string page(text_name.substr(0, extension + 1));
  page += "htm";
  if (NeedsFilePrefix(page, text_name.substr(0, extension))) {
    page.insert(0, "file_");
  }
  return page;
}

}  // namespace docbase
