#include "pages/text_page.h"

#include <algorithm>
#include <cstring>

#include "base/text.h"

namespace docbase {

Status TextPageBytes::Open(const std::filesystem::path& text,
                           std::string_view title, const TextForm& form) {
  title_ = title;
  part_ = Part::kHead;
  pending_.clear();
  taken_ = 0;
  if (form.as_is()) return text_.Open(text);
  DOCBASE_RETURN_IF_ERROR(decoded_.Open(text, form));
  text_.Open(&decoded_);
  return Status::Ok();
}

bool TextPageBytes::MakeMore() {
  auto line = [this](std::string_view bytes) {
    pending_.append(bytes);
    pending_.append("\r\n");
  };
  switch (part_) {
    case Part::kHead:
      for (std::string_view head :
           {"<HTML>", "<head>",
            "<meta http-equiv=\"content-type\"  content=\"text/HTML; "
            "charset=utf-8\">",
            "<title>"}) {
        line(head);
      }
      line(title_);
      for (std::string_view head : {"</title>", "</head>", "<body>", "<pre>"}) {
        line(head);
      }
      part_ = Part::kText;
      return true;
    case Part::kText: {
      // Text lines until a block's worth is waiting.
      std::string_view text;
      while (pending_.size() - taken_ < kTextBuffer && text_.Next(&text)) {
        line(TrimTrailingBlanks(text));
      }
      if (pending_.size() - taken_ < kTextBuffer) {
        text_.Close();
        decoded_.Close();
        part_ = Part::kTail;
      }
      return true;
    }
    case Part::kTail:
      for (std::string_view tail : {"</pre>", "</body>", "</html>"}) {
        line(tail);
      }
      part_ = Part::kEnd;
      return true;
    case Part::kEnd:
      return false;
  }
  return false;
}

Status TextPageBytes::Read(char* data, size_t size, size_t* got) {
  *got = 0;
  while (pending_.size() == taken_) {
    pending_.clear();
    taken_ = 0;
    if (!MakeMore()) return Status::Ok();
    DOCBASE_RETURN_IF_ERROR(text_.status());
  }
  *got = std::min(size, pending_.size() - taken_);
  std::memcpy(data, pending_.data() + taken_, *got);
  taken_ += *got;
  return Status::Ok();
}

}  // namespace docbase
