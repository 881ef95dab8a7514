// A text file as UTF-8 (pages/text_encoding.h has the rules). ReadTextForm
// reads a text once, before any page is made from it, to tell what it needs:
// a byte-order mark to drop, UTF-16 to convert, or bytes that are not UTF-8
// (to read in the chosen code page, or to keep as they are). DecodedText
// then hands out the text's UTF-8 bytes as they are read, block by block,
// for a text whose form is not read as it is.
#pragma once

#include <filesystem>
#include <string>

#include "base/status.h"
#include "io/byte_source.h"
#include "pages/text_encoding.h"
#include "platform/file.h"

namespace docbase {

// The form of the text `text`: read in `code_page` (may be null) when it is
// not UTF-8. A text that does not exist has the form of an empty one.
Status ReadTextForm(const std::filesystem::path& text,
                    const CodePage* code_page, TextForm* form);

class DecodedText : public ByteSource {
 public:
  DecodedText() : decoder_(TextForm{}) {}
  // A text that does not exist reads as empty.
  Status Open(const std::filesystem::path& text, const TextForm& form);
  Status Read(char* data, size_t size, size_t* got) override;
  void Close();

 private:
  static constexpr size_t kBlock = 64 << 10;

  File file_;
  std::string path_;
  TextDecoder decoder_;
  std::string raw_;
  std::string pending_;
  size_t taken_ = 0;
  bool at_end_ = true;
};

}  // namespace docbase
