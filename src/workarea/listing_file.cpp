#include "workarea/listing_file.h"

#include "base/text.h"
#include "io/line_reader.h"
#include "platform/file_system.h"
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
  // Tens of thousands of work files go here, and a file system call per
  // name (no status check first) is what that costs at least.
  NameRemover remover(folder.empty() ? area.root() : area.Path(folder));
  std::string name;
  std::string_view line;
  while (reader.Next(&line)) {
    // The listing may name itself; removing it while it is read is fine
    // here, the open file stays readable to the end.
    name.assign(line);
    remover.Remove(name);
  }
  return reader.status();
}

Status ListAndRemoveFiles(const WorkArea& area, std::string_view pattern_path,
                          std::string_view list_file) {
  DOCBASE_RETURN_IF_ERROR(ListNames(area, pattern_path, list_file));
  return RemoveListedFiles(area, list_file,
                           SplitPatternPath(pattern_path).first);
}

}  // namespace docbase
