#include "pages/text_page.h"

#include "common/text.h"

namespace docbase {

Status TextPageMaker::Make(const std::filesystem::path& source,
                           const std::filesystem::path& page,
                           std::string_view title) {
  DOCBASE_RETURN_IF_ERROR(reader_.Open(source));
  DOCBASE_RETURN_IF_ERROR(writer_.Open(page));
  for (std::string_view head :
       {"<HTML>", "<head>",
        "<meta http-equiv=\"content-type\"  content=\"text/HTML; "
        "charset=utf-8\">",
        "<title>"}) {
    writer_.WriteLine(head);
  }
  writer_.WriteLine(title);
  for (std::string_view head : {"</title>", "</head>", "<body>", "<pre>"}) {
    writer_.WriteLine(head);
  }
  std::string_view line;
  while (reader_.Next(&line)) writer_.WriteLine(TrimTrailingBlanks(line));
  DOCBASE_RETURN_IF_ERROR(reader_.status());
  reader_.Close();
  for (std::string_view tail : {"</pre>", "</body>", "</html>"}) {
    writer_.WriteLine(tail);
  }
  return writer_.Close();
}

}  // namespace docbase
