#include "common/quoted_record.h"

namespace docbase {

void SplitQuotedRecord(std::string_view line,
                       std::vector<std::string_view>* fields) {
  fields->clear();
  if (!line.empty() && line.front() == '"') line.remove_prefix(1);
  if (!line.empty() && line.back() == '"') line.remove_suffix(1);
  for (;;) {
    size_t cut = line.find("\",\"");
    if (cut == std::string_view::npos) {
      fields->push_back(line);
      return;
    }
    fields->push_back(line.substr(0, cut));
    line.remove_prefix(cut + 3);
  }
}

void AppendQuotedRecord(std::string* out,
                        std::initializer_list<std::string_view> fields) {
  bool first = true;
  for (std::string_view field : fields) {
    out->append(first ? "\"" : ",\"");
    out->append(field);
    out->push_back('"');
    first = false;
  }
}

}  // namespace docbase
