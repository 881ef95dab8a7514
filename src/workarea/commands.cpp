#include "workarea/commands.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "base/text.h"
#include "io/line_reader.h"
#include "io/line_writer.h"
#include "platform/file_system.h"
#include "platform/path.h"
#include "workarea/wildcard.h"

namespace docbase {
namespace fs = std::filesystem;

std::pair<std::string_view, std::string_view> SplitPatternPath(
    std::string_view pattern_path) {
  size_t slash = pattern_path.rfind('/');
  if (slash == std::string_view::npos) return {{}, pattern_path};
  return {pattern_path.substr(0, slash), pattern_path.substr(slash + 1)};
}

namespace {

std::string JoinName(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string joined(folder);
  joined += '/';
  joined += name;
  return joined;
}

Status WriteLines(const WorkArea& area, std::string_view file,
                  const std::vector<std::string>& lines) {
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path(file)));
  for (const std::string& line : lines) writer.WriteLine(line);
  return writer.Close();
}

void ListTreeInto(const fs::path& folder, std::vector<std::string>* lines) {
  std::vector<std::string> names;
  (void)ListFolder(folder, &names);  // a folder that cannot be read: none
  std::sort(names.begin(), names.end());
  std::vector<fs::path> entries;
  for (const std::string& name : names) {
    entries.push_back(folder / PathFromUtf8(name));
    lines->push_back(NativePathText(entries.back()));
  }
  for (const fs::path& entry : entries) {
    if (KindOfEntry(entry) == EntryKind::kFolder) ListTreeInto(entry, lines);
  }
}

}  // namespace

std::vector<std::string> MatchingNames(const WorkArea& area,
                                       std::string_view pattern_path) {
  auto [folder, pattern] = SplitPatternPath(pattern_path);
  std::vector<std::string> entries;
  (void)ListFolder(area.Path(folder.empty() ? "." : folder), &entries);
  std::vector<std::string> names;
  for (std::string& name : entries) {
    if (MatchesWildcard(name, pattern)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

Status ListNames(const WorkArea& area, std::string_view pattern_path,
                 std::string_view list_file) {
  // Created first, as a redirection would, so the listing can name it.
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path(list_file)));
  for (const std::string& name : MatchingNames(area, pattern_path)) {
    writer.WriteLine(name);
  }
  return writer.Close();
}

Status ListTree(const WorkArea& area, std::string_view folder,
                std::string_view list_file) {
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path(list_file)));
  fs::path root;
  std::vector<std::string> lines;
  // A link in the folder's place is not the run's folder: nothing is listed.
  if (AbsolutePath(area.Path(folder), &root).ok() && !IsLink(root)) {
    ListTreeInto(root.lexically_normal(), &lines);
  }
  for (const std::string& line : lines) writer.WriteLine(line);
  return writer.Close();
}

Status WriteDirectoryListing(const WorkArea& area, std::string_view file) {
  return ListNames(area, "*.*", file);
}

Status FolderPresent(const WorkArea& area, std::string_view name,
                     std::string_view list_file, bool* present) {
  *present = false;
  std::vector<std::string> names = MatchingNames(area, "*.");
  DOCBASE_RETURN_IF_ERROR(WriteLines(area, list_file, names));
  for (const std::string& line : names) {
    if (Contains(ToLowerAscii(line), name)) {
      *present = true;
      break;
    }
  }
  return Status::Ok();
}

void DeleteFiles(const WorkArea& area, std::string_view pattern_path) {
  auto [folder, pattern] = SplitPatternPath(pattern_path);
  // Deleting never goes through a link into a folder elsewhere.
  if (!folder.empty() && IsLink(area.Path(folder))) return;
  for (const std::string& name : MatchingNames(area, pattern_path)) {
    DeleteFile(area, JoinName(folder, name));
  }
}

void DeleteFile(const WorkArea& area, std::string_view name) {
  fs::path path = area.Path(name);
  if (KindOfEntry(path) == EntryKind::kFolder) return;
  // The name itself: a link goes as a link.
  (void)RemoveFileName(path);
}

Status CopyFile(const WorkArea& area, std::string_view from,
                std::string_view to) {
  fs::path source = area.Path(from);
  if (!IsFile(source)) return Status::Ok();
  fs::path target = area.Path(to);
  if (IsFolder(target)) target /= source.filename();
  return CopyFileReplacing(source, target);
}

Status MoveFile(const WorkArea& area, std::string_view from,
                std::string_view to) {
  fs::path source = area.Path(from);
  if (!IsFile(source)) return Status::Ok();
  if (RenameReplacing(source, area.Path(to)).ok()) return Status::Ok();
  // Another file system: copy, then remove the source.
  DOCBASE_RETURN_IF_ERROR(CopyFile(area, from, to));
  (void)RemoveFileName(source);
  return Status::Ok();
}

void MakeFolder(const WorkArea& area, std::string_view folder) {
  const fs::path path = area.Path(folder);
  // A link in the folder's place is taken away; the run's folder is made.
  (void)RemoveLink(path);
  (void)docbase::MakeFolder(path);
}

void RemoveFolder(const WorkArea& area, std::string_view folder) {
  // Only an empty folder goes; a link in its place stays.
  (void)RemoveEmptyFolder(area.Path(folder));
}

Status PlatformSort(const WorkArea& area, std::string_view in,
                    std::string_view out) {
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(in)));
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.Next(&line)) lines.emplace_back(line);
  DOCBASE_RETURN_IF_ERROR(reader.status());
  std::stable_sort(lines.begin(), lines.end(),
                   [](const std::string& a, const std::string& b) {
                     return std::lexicographical_compare(
                         a.begin(), a.end(), b.begin(), b.end(),
                         [](char x, char y) {
                           return static_cast<unsigned char>(ToLowerAscii(x)) <
                                  static_cast<unsigned char>(ToLowerAscii(y));
                         });
                   });
  return WriteLines(area, out, lines);
}

bool RecordHasWordId(std::string_view line, std::string_view id) {
  // Fields never hold a double quote, so the fifth field is the text
  // between the 9th and 10th quotes.
  size_t position = 0;
  for (int quote = 0; quote < 9; ++quote) {
    position = line.find('"', position);
    if (position == std::string_view::npos) return false;
    ++position;
  }
  size_t end = line.find('"', position);
  if (end == std::string_view::npos) return false;
  return line.substr(position, end - position) == id;
}

Status CountWordIdLines(const WorkArea& area, std::string_view id,
                        std::string_view file, std::string_view out) {
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(file)));
  uint64_t count = 0;
  std::string_view line;
  while (reader.Next(&line)) count += RecordHasWordId(line, id) ? 1 : 0;
  DOCBASE_RETURN_IF_ERROR(reader.status());
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path(out)));
  writer.WriteLine("---------- " + std::string(file) + ": " +
                   std::to_string(count));
  return writer.Close();
}

Status SearchWordIdLines(const WorkArea& area, std::string_view id,
                         std::string_view file, std::string_view out) {
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(file)));
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path(out)));
  std::string_view line;
  while (reader.Next(&line)) {
    if (RecordHasWordId(line, id)) writer.WriteLine(line);
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  return writer.Close();
}

}  // namespace docbase
