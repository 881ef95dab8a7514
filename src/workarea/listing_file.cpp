#include "workarea/listing_file.h"

#include "common/line_reader.h"
#include "common/text.h"
#include "workarea/commands.h"

namespace docbase {

Status CountLinesContaining(const WorkArea& area, std::string_view file,
                            std::string_view part, int64_t* count) {
  *count = 0;
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(file)));
  std::string_view line;
  while (reader.Next(&line)) {
    if (Contains(line, part)) ++*count;
  }
  return reader.status();
}

Status ReadAllLines(const WorkArea& area, std::string_view file,
                    std::vector<std::string>* lines) {
  lines->clear();
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(file)));
  std::string_view line;
  while (reader.Next(&line)) lines->emplace_back(line);
  return reader.status();
}

Status RemoveListedFiles(const WorkArea& area, std::string_view list_file,
                         std::string_view folder) {
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(list_file)));
  std::string name;
  std::string_view line;
  while (reader.Next(&line)) {
    // The listing may name itself; removing it while it is read is fine
    // here, the open file stays readable to the end.
    name.assign(folder);
    if (!name.empty()) name += '/';
    name += line;
    DeleteFile(area, name);
  }
  return reader.status();
}

Status ListAndRemoveFiles(const WorkArea& area, std::string_view pattern_path,
                          std::string_view list_file) {
  DOCBASE_RETURN_IF_ERROR(ListNames(area, pattern_path, list_file));
  size_t slash = pattern_path.rfind('/');
  std::string_view folder = slash == std::string_view::npos
                                ? std::string_view()
                                : pattern_path.substr(0, slash);
  return RemoveListedFiles(area, list_file, folder);
}

}  // namespace docbase
