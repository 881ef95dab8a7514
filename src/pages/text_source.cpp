#include "pages/text_source.h"

#include <algorithm>
#include <cstring>

#include "platform/path.h"

namespace docbase {
namespace {

constexpr size_t kFormBlock = 64 << 10;

}  // namespace

Status ReadTextForm(const std::filesystem::path& text,
                    const CodePage* code_page, TextForm* form) {
  *form = TextForm{};
  File file;
  if (Status opened = file.Open(text, File::Mode::kRead); !opened.ok()) {
    if (opened.not_found()) return Status::Ok();
    return opened.WithAction("cannot open for reading");
  }
  std::string block(kFormBlock, '\0');
  Utf8Check check;
  bool first = true;
  for (;;) {
    size_t got = 0;
    if (Status read = file.Read(block.data(), block.size(), &got);
        !read.ok()) {
      return read.WithAction("cannot read");
    }
    if (got == 0) break;
    std::string_view bytes(block.data(), got);
    if (first) {
      first = false;
      // A read gives a whole block unless the text ends, so the first one
      // holds the three bytes a mark needs whenever the text has them.
      *form = FormOfStart(bytes);
      if (form->decoding != TextForm::Decoding::kNone) return Status::Ok();
      bytes.remove_prefix(form->mark);
    }
    check.Add(bytes);
    if (check.broken()) break;
  }
  form->utf8 = check.valid();
  if (!form->utf8 && code_page != nullptr) {
    form->decoding = TextForm::Decoding::kCodePage;
    form->code_page = code_page;
  }
  return Status::Ok();
}

Status DecodedText::Open(const std::filesystem::path& text,
                         const TextForm& form) {
  Close();
  path_ = Utf8FromPath(text);
  decoder_ = TextDecoder(form);
  if (Status opened = file_.Open(text, File::Mode::kRead); !opened.ok()) {
    if (opened.not_found()) return Status::Ok();
    return opened.WithAction("cannot open for reading");
  }
  at_end_ = false;
  return Status::Ok();
}

void DecodedText::Close() {
  (void)file_.Close();
  pending_.clear();
  taken_ = 0;
  at_end_ = true;
}

Status DecodedText::Read(char* data, size_t size, size_t* got) {
  *got = 0;
  while (pending_.size() == taken_) {
    pending_.clear();
    taken_ = 0;
    if (at_end_) return Status::Ok();
    raw_.resize(kBlock);
    size_t read = 0;
    if (Status status = file_.Read(raw_.data(), raw_.size(), &read);
        !status.ok()) {
      at_end_ = true;
      return status.WithAction("cannot read");
    }
    if (read == 0) {
      decoder_.Finish(&pending_);
      at_end_ = true;
    } else {
      decoder_.Add(std::string_view(raw_.data(), read), &pending_);
    }
  }
  *got = std::min(size, pending_.size() - taken_);
  std::memcpy(data, pending_.data() + taken_, *got);
  taken_ += *got;
  return Status::Ok();
}

}  // namespace docbase
