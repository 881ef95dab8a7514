#include "html/annotated_page_file.h"

#include "base/text.h"

namespace docbase {

Status AnnotatedPageFile::Open(std::string_view page,
                               const PageOrigin& origin) {
  page_.assign(page);
  DOCBASE_RETURN_IF_ERROR(lines_.Open(origin));
  DOCBASE_RETURN_IF_ERROR(
      out_.Open(area_.Path(std::string(TrimBlanks(page_)))));
  open_ = true;
  return Status::Ok();
}

Status AnnotatedPageFile::CloseLines() {
  open_ = false;
  return lines_.Close();
}

}  // namespace docbase
