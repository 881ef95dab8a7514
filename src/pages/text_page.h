// The HTML page of one converted text file: a fixed head whose title is the
// page's own path (as the run names it, "htm_wrk\notes.htm"), then every
// line of the text inside a <pre> block. Text lines lose their trailing
// blanks (blanks only; tabs stay) and are otherwise copied byte for byte:
// nothing is escaped, so "<b>" and "&" reach the page as they are.
//
// The text is streamed line by line, so a file of any size or line length
// goes through in one pass. A source that does not exist gives an empty
// <pre> block. One TextPageMaker keeps its read and write buffers from page
// to page, so ten thousand small files cost little more than their bytes.
#pragma once

#include <filesystem>
#include <string_view>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/status.h"

namespace docbase {

class TextPageMaker {
 public:
  Status Make(const std::filesystem::path& source,
              const std::filesystem::path& page, std::string_view title);

 private:
  LineReader reader_;
  LineWriter writer_;
};

}  // namespace docbase
