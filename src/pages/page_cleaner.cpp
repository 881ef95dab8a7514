#include "pages/page_cleaner.h"

#include "base/text.h"

namespace docbase {

PageCleaner::Cleaned PageCleaner::Classify(std::string_view line) {
  Cleaned cleaned;
  cleaned.text = TrimTrailingBlanks(line);
  std::string_view stripped = TrimLeadingBlanks(cleaned.text);

  // The <pre> lines of a converted page; "</pre> tail" is text and stays.
  if (Contains(stripped, "<pre>") || stripped == "</pre>") {
    cleaned.dropped = true;
    return cleaned;
  }

  // A line that opens and closes a table ends outside it.
  if (FindIgnoreCase(stripped, "<table ") != std::string_view::npos) {
    in_table_ = true;
  }
  if (FindIgnoreCase(stripped, "</table") != std::string_view::npos) {
    in_table_ = false;
  }
  if (in_table_) {
    cleaned.as_is = true;
    return cleaned;
  }

  // The blanks stay after their "&nbsp;"s; such a line begins with "&nbsp;"
  // and so always gets its "<br>".
  cleaned.nbsp_count = cleaned.text.size() - stripped.size();
  cleaned.br_prefix = cleaned.nbsp_count > 0 || stripped.substr(0, 4) != "<br>";
  return cleaned;
}

}  // namespace docbase
