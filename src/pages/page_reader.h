// PageReader reads a numbered page line by line from its origin
// (pages/page_origin.h): the cleaned form of a page file or of a text's
// page, made as it is read (TextPageBytes, then PageCleaner). The lines are
// those of a file holding the cleaned bytes, so a page reads the same
// whether it was written out first or not. WriteNumberedPage writes those
// bytes out, for a page that is wanted as it is.
#pragma once

#include <string_view>

#include "base/status.h"
#include "io/byte_source.h"
#include "io/line_reader.h"
#include "pages/page_cleaner.h"
#include "pages/page_origin.h"
#include "pages/text_page.h"
#include "workarea/work_area.h"

namespace docbase {

// The cleaned bytes of the page read from `page`.
class CleanedPageBytes : public ByteSource {
 public:
  void Open(LineReader* page);
  Status Read(char* data, size_t size, size_t* got) override;
  // The cleaner's sink.
  void Write(std::string_view bytes) { pending_.append(bytes); }

 private:
  LineReader* page_ = nullptr;
  PageCleaner cleaner_;
  std::string pending_;
  size_t taken_ = 0;
};

class PageReader {
 public:
  PageReader() : page_(kBuffer), lines_(kBuffer) {}

  // Opens the page of origin `origin`.
  Status Open(const PageOrigin& origin);
  // As LineReader::Next.
  bool Next(std::string_view* line) { return lines_.Next(line); }
  const Status& status() const { return lines_.status(); }
  void Close();

  // The cleaned bytes of the page, as the lines are made from them.
  ByteSource& bytes() { return cleaned_; }

 private:
  static constexpr size_t kBuffer = 64 << 10;
  TextPageBytes text_;
  LineReader page_;  // the page before cleaning
  CleanedPageBytes cleaned_;
  LineReader lines_;
};

// Writes page `name` into the program directory from its origin.
Status WriteNumberedPage(const WorkArea& area, std::string_view name,
                         const PageOrigin& origin);

}  // namespace docbase
