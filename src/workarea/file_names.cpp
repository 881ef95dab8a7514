#include "workarea/file_names.h"

#include "base/text.h"
#include "platform/path.h"

namespace docbase {
namespace {

constexpr std::string_view kWordIndexPrefix = "i_";
constexpr std::string_view kSearchPrefix = "s_";
constexpr std::string_view kNumberedPagePrefix = "page_";

std::string Joined(std::string_view a, std::string_view b,
                   std::string_view c = "") {
  std::string joined;
  joined.reserve(a.size() + b.size() + c.size());
  joined.append(a).append(b).append(c);
  return joined;
}

}  // namespace

std::string_view TextExtension() { return ".txt"; }
std::string_view PageExtension() { return ".htm"; }

std::string InFolder(std::string_view folder, std::string_view name) {
  return Joined(folder, "/", name);
}

std::string_view EveryNamePattern() { return "*.*"; }
std::string_view TextPattern() { return "*.txt"; }
std::string_view PagePattern() { return "*.htm"; }
std::string_view HtmlPattern() { return "*.htm*"; }
std::string_view ListPattern() { return "*.list"; }

std::string_view InputFolder() { return "txt_in"; }
std::string_view OutputFolder() { return "htm_out"; }
std::string_view TextCopyFolder() { return "txt_wrk"; }
std::string_view ConvertedPageFolder() { return "htm_wrk"; }
std::string_view InputPageFolder() { return "htm_in"; }
std::string_view IndexFolder() { return "htm_ndx"; }
std::string IndexPageFolder() {
  return InFolder(IndexFolder(), InputPageFolder());
}
std::string_view WordFolder() { return "wrd_24"; }
std::string_view TraceFolder() { return "trace"; }
std::string TraceFile() { return InFolder(TraceFolder(), "file_trace.txt"); }

std::string_view ListingFile() { return "dir_01.txt"; }
std::string_view FolderListingFile() { return "dir_cur.txt"; }
std::string_view TextListingFile() { return "txt_file.txt"; }
std::string_view InputListingFile() { return "txt_file.list"; }
std::string_view PageListingFile() { return "dir_02.txt"; }
std::string_view SortedPageListingFile() { return "dir_03.txt"; }
std::string WordFolderEntry(int64_t group) {
  return InFolder(WordFolder(), Joined(WordFolder(), "_") +
                                    std::to_string(group) +
                                    std::string(TextExtension()));
}

std::string_view CheckInputFile() { return "check_01.txt"; }
std::string_view CheckOutputFile() { return "check_02.txt"; }
std::string_view CheckFilePattern() { return "check_*.txt"; }
std::string_view ParameterFile() { return "publisher_para.txt"; }
std::string_view RunLockFile() { return ".docbase.lock"; }

std::string_view PromotionalPageName() { return "f_promote.htm"; }

std::string NumberedPageName(const std::string& pad, uint64_t number) {
  return Joined(kNumberedPagePrefix, ZeroPadded(number, pad.size()),
                PageExtension());
}

std::string ConvertedPageTitle(std::string_view page) {
  return Joined(ConvertedPageFolder(), "\\", page);
}

bool CouldPassForOwnPage(std::string_view name, std::string_view base) {
  const std::string lower_base = ToLowerAscii(base);
  return ToLowerAscii(name.substr(0, kNumberedPagePrefix.size())) ==
             kNumberedPagePrefix ||
         lower_base == "page" || lower_base == "f_promote";
}

std::string_view KeptApartPrefix() { return "file_"; }

std::string_view ContentsPageName() { return "files_list.htm"; }
std::string_view MainIndexPageName() { return "index.htm"; }
std::string MainIndexPartName(int64_t part) {
  return Joined("index_", std::to_string(part), PageExtension());
}
std::string PagePartName(std::string_view page, int64_t part) {
  std::string_view stem = TrimBlanks(page);
  if (stem.ends_with(PageExtension())) {
    stem.remove_suffix(PageExtension().size());
  }
  return Joined(stem, Joined("_", std::to_string(part)), PageExtension());
}
std::string PartRecordName(std::string_view part) {
  if (part.ends_with(PageExtension())) {
    part.remove_suffix(PageExtension().size());
  }
  return Joined(part, ".js");
}
std::string_view StyleSheetName() { return "docbase.css"; }
std::string_view ScriptName() { return "docbase.js"; }

std::string WordIndexPageStem(std::string_view group) {
  return Joined(kWordIndexPrefix, group);
}
std::string WordIndexPageName(std::string_view group) {
  return Joined(kWordIndexPrefix, group, PageExtension());
}
std::string WordIndexPageName(int64_t group) {
  return Joined(kWordIndexPrefix, std::to_string(group), PageExtension());
}

std::string SearchPageStem(std::string_view group) {
  return Joined(kSearchPrefix, group);
}
std::string SearchPageName(std::string_view group) {
  return Joined(kSearchPrefix, group, PageExtension());
}
std::string SearchPageName(int64_t group) {
  return Joined(kSearchPrefix, std::to_string(group), PageExtension());
}

std::string_view OutputFilesShown() {
  return "page*.htm, index*.htm, i_*.htm, s_*.htm";
}

std::filesystem::path OccurrenceFile(const WorkArea& area) {
  return area.Path("wrd_occurrences.txt");
}

std::filesystem::path PageWordFile(const WorkArea& area) {
  return area.Path("wrd_page_words.txt");
}

std::filesystem::path WordPageRunFile(const WorkArea& area) {
  return area.Path("wrd_word_pages.txt");
}

std::filesystem::path MergeRunFile(const std::filesystem::path& run_file) {
  std::filesystem::path merge = run_file;
  merge.replace_filename(PathFromUtf8(Utf8FromPath(run_file.stem()) +
                                      "_merge" +
                                      Utf8FromPath(run_file.extension())));
  return merge;
}

std::filesystem::path WordPageGroupFile(const WorkArea& area) {
  return area.Path("wrd_group_word_pages.txt");
}

}  // namespace docbase
