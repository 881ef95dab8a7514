// Where a numbered page of the page set comes from. The page set decides
// each page's origin but writes no page: the phases that read a page read
// it through PageReader (pages/page_reader.h), which makes the cleaned page
// from its origin as it is read, so that every page is written once, in its
// final form.
#pragma once

#include <filesystem>
#include <string>

#include "pages/text_encoding.h"

namespace docbase {

struct PageOrigin {
  enum class Kind {
    kCleanedFile,  // the cleaned form of the page file `from`
    kCleanedText,  // the cleaned form of the page made from the text `from`,
                   // with the title `title`
  };
  Kind kind = Kind::kCleanedFile;
  std::filesystem::path from;
  std::string title;
  // How the text of kCleanedText becomes UTF-8.
  TextForm form;
};

// A page of the page set: its numbered name (page_01.htm) and its origin.
struct NumberedPage {
  std::string name;
  PageOrigin origin;
};

}  // namespace docbase
