#include "pages/text_page.h"

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/text.h"

namespace docbase {

Status WriteTextPage(const std::filesystem::path& source,
                     const std::filesystem::path& page,
                     std::string_view title) {
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(source));
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(page));
  for (std::string_view head :
       {"<HTML>", "<head>",
        "<meta http-equiv=\"content-type\"  content=\"text/HTML; "
        "charset=utf-8\">",
        "<title>"}) {
    writer.WriteLine(head);
  }
  writer.WriteLine(title);
  for (std::string_view head : {"</title>", "</head>", "<body>", "<pre>"}) {
    writer.WriteLine(head);
  }
  std::string_view line;
  while (reader.Next(&line)) writer.WriteLine(TrimTrailingBlanks(line));
  DOCBASE_RETURN_IF_ERROR(reader.status());
  for (std::string_view tail : {"</pre>", "</body>", "</html>"}) {
    writer.WriteLine(tail);
  }
  return writer.Close();
}

}  // namespace docbase
