// The HTML page of one converted text file: a fixed head whose title is the
// page's own path (as the run names it, "htm_wrk\notes.htm"), then every
// line of the text inside a <pre> block. Text lines lose their trailing
// blanks (blanks only; tabs stay) and are otherwise copied byte for byte:
// nothing is escaped, so "<b>" and "&" reach the page as they are. Every
// line ends in CR LF.
//
// The page is never written: its bytes are made as they are read, the text
// streamed line by line, so a file of any size or line length goes through
// in one pass. A source that does not exist gives an empty <pre> block.
// A text whose form is not read as it is (pages/text_encoding.h) is read
// as the UTF-8 it converts to.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/status.h"
#include "io/byte_source.h"
#include "io/line_reader.h"
#include "pages/text_encoding.h"
#include "pages/text_source.h"

namespace docbase {

class TextPageBytes : public ByteSource {
 public:
  TextPageBytes() : text_(kTextBuffer) {}

  Status Open(const std::filesystem::path& text, std::string_view title,
              const TextForm& form = {});
  Status Read(char* data, size_t size, size_t* got) override;

 private:
  static constexpr size_t kTextBuffer = 64 << 10;
  enum class Part { kHead, kText, kTail, kEnd };

  // Makes more of the page's bytes in pending_; false at the end.
  bool MakeMore();

  DecodedText decoded_;
  LineReader text_;
  std::string title_;
  Part part_ = Part::kEnd;
  std::string pending_;
  size_t taken_ = 0;  // bytes of pending_ already handed out
};

}  // namespace docbase
