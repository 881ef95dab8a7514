#include "pages/name_sanitiser.h"

#include "base/text.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

bool IsNameByte(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

}  // namespace

std::string SanitisedName(std::string_view listed_name) {
  std::string_view old_name = TrimBlanks(listed_name);
  size_t extension = FindIgnoreCase(old_name, TextExtension());
  if (extension == std::string_view::npos) return std::string(listed_name);

  std::string base(TrimBlanks(old_name.substr(0, extension)));
  for (char& c : base) {
    if (!IsNameByte(c)) c = '_';
  }
  std::string name = base;
  name += old_name.substr(extension);
  if (CouldPassForOwnPage(name, base)) name.insert(0, KeptApartPrefix());
  return name;
}

std::string ConvertedPageName(std::string_view text_name) {
  size_t extension = FindIgnoreCase(text_name, TextExtension());
  if (extension == std::string_view::npos) {
    return std::string(text_name) + std::string(PageExtension());
  }
  std::string page(text_name.substr(0, extension + 1));
  page += PageExtension().substr(1);
  if (CouldPassForOwnPage(page, text_name.substr(0, extension))) {
    page.insert(0, KeptApartPrefix());
  }
  return page;
}

}  // namespace docbase
