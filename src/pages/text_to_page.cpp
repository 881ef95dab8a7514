#include "pages/text_to_page.h"

#include <algorithm>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/text.h"
#include "pages/name_sanitiser.h"
#include "pages/number_pad.h"
#include "pages/text_source.h"
#include "platform/file_system.h"
#include "platform/path.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"
#include "workarea/wildcard.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

// The entries txt_wrk would hold, by name, with the file each one's bytes
// are in: what the set-up left there, then a copy of every text file of
// txt_in (a copy replaces an entry of its name).
using TextCopies = std::map<std::string, fs::path>;

TextCopies CopiesOfTheTexts(const WorkArea& area) {
  TextCopies copies;
  for (std::string& name :
       MatchingNames(area, InFolder(TextCopyFolder(), EveryNamePattern()))) {
    fs::path left = area.Path(InFolder(TextCopyFolder(), name));
    copies.emplace(std::move(name), std::move(left));
  }
  for (const std::string& name :
       MatchingNames(area, InFolder(InputFolder(), TextPattern()))) {
    fs::path text = area.Path(InFolder(InputFolder(), name));
    if (!IsFile(text)) continue;
    copies[name] = std::move(text);
  }
  return copies;
}

// The names a listing of txt_wrk/*.txt would give, in byte order. The names
// are taken whole: a name holding a line-end byte is one name.
std::vector<std::string> ListedTexts(const TextCopies& copies) {
  std::vector<std::string> names;
  for (const auto& [name, file] : copies) {
    if (MatchesWildcard(name, TextPattern())) names.push_back(name);
  }
  return names;
}

bool HasTextExtension(std::string_view name) {
  return FindIgnoreCase(name, ".txt") != std::string_view::npos;
}

// Renames every copy to its sanitised name. A rename never replaces: when
// the sanitised name is taken, the copy keeps its old name.
void SanitiseTextNames(TextCopies* copies) {
  for (const std::string& name : ListedTexts(*copies)) {
    if (!HasTextExtension(name)) continue;
    std::string sanitised = SanitisedName(name);
    if (sanitised == name || copies->count(sanitised) > 0) continue;
    auto copy = copies->extract(name);
    copy.key() = std::move(sanitised);
    copies->insert(std::move(copy));
  }
}

// One page per text copy, at most `input_file_count` of them. Each copy
// keeps the name it carries, so a copy whose rename failed is still
// converted. No page replaces another: names that cut to the same page
// ("a.txt" and "a.txt.txt", or "a.txt" and "a.TXT" where letter case tells
// files apart) give the later one "file_" in front until its name is free.
std::vector<ConvertedPage> ConvertTexts(const TextCopies& copies,
                                        int64_t input_file_count) {
  std::vector<ConvertedPage> made;
  std::unordered_set<std::string> pages;
  for (const std::string& name : ListedTexts(copies)) {
    if (!HasTextExtension(name)) continue;
    std::string page = ConvertedPageName(name);
    while (!pages.insert(page).second) page.insert(0, KeptApartPrefix());
    made.push_back(ConvertedPage{page, copies.at(name), TextForm{}});
    if (static_cast<int64_t>(made.size()) == input_file_count) break;
  }
  return made;
}

}  // namespace

Status ConvertTextsToPages(const WorkArea& area, int64_t input_file_count,
                           ConvertedTexts* converted,
                           const CodePage* code_page) {
  TextCopies copies = CopiesOfTheTexts(area);
  SanitiseTextNames(&copies);
  converted->made = ConvertTexts(copies, input_file_count);
  converted->kept_as_bytes.clear();
  for (ConvertedPage& page : converted->made) {
    DOCBASE_RETURN_IF_ERROR(ReadTextForm(page.text, code_page, &page.form));
    if (!page.form.utf8 && page.form.code_page == nullptr) {
      converted->kept_as_bytes.push_back(Utf8FromPath(page.text.filename()));
    }
  }
  std::vector<std::string>& pages = converted->pages;
  pages =
      MatchingNames(area, InFolder(ConvertedPageFolder(), PagePattern()));
  for (const ConvertedPage& page : converted->made) {
    if (MatchesWildcard(page.name, PagePattern())) pages.push_back(page.name);
  }
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  converted->number_pad = NumberPadForCount(input_file_count);
  return Status::Ok();
}

Status FillInputPageSet(const WorkArea& area) {
  MakeFolder(area, InputPageFolder());
  DeleteFiles(area, InFolder(InputPageFolder(), EveryNamePattern()));
  // htm_ndx/htm_in is made and emptied, and removed with the other work
  // folders at the end, but no phase reads a page from it.
  MakeFolder(area, IndexFolder());
  MakeFolder(area, IndexPageFolder());
  DeleteFiles(area, InFolder(IndexPageFolder(), EveryNamePattern()));
  return Status::Ok();
}

}  // namespace docbase
