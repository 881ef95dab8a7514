#include "pages/text_to_page.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "common/line_writer.h"
#include "common/text.h"
#include "pages/name_sanitiser.h"
#include "pages/number_pad.h"
#include "pages/text_page.h"
#include "workarea/commands.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

// Lists the text copies into txt_wrk.list and hands back the same names.
// The names are used as listed, whole: a name holding a line-end byte is
// one name, not two lines.
Status ListTextCopies(const WorkArea& area, std::vector<std::string>* names) {
  *names = MatchingNames(area, InFolder(TextCopyFolder(), TextPattern()));
  LineWriter list;
  DOCBASE_RETURN_IF_ERROR(list.Open(area.Path(TextCopyListingFile())));
  for (const std::string& name : *names) list.WriteLine(name);
  return list.Close();
}

bool HasTextExtension(std::string_view name) {
  return FindIgnoreCase(name, TextExtension()) != std::string_view::npos;
}

// Renames every copy to its sanitised name. A rename never replaces: when
// two names sanitise alike, the later one keeps its old name.
Status SanitiseTextNames(const WorkArea& area) {
  std::vector<std::string> names;
  DOCBASE_RETURN_IF_ERROR(ListTextCopies(area, &names));
  for (const std::string& name : names) {
    if (!HasTextExtension(name)) continue;
    std::string sanitised = SanitisedName(name);
    if (sanitised != name) {
      DOCBASE_RETURN_IF_ERROR(
          RenameNoReplace(area, InFolder(TextCopyFolder(), name),
                          InFolder(TextCopyFolder(), sanitised)));
    }
  }
  return Status::Ok();
}

// One page per text copy, at most `input_file_count` of them. Each file is
// opened under the name it carries, so a copy whose rename failed is still
// converted. No page replaces another: names that cut to the same page
// ("a.txt" and "a.txt.txt", or "a.txt" and "a.TXT" where letter case tells
// files apart) give the later one "file_" in front until its name is free.
Status ConvertTexts(const WorkArea& area, int64_t input_file_count) {
  std::vector<std::string> names;
  DOCBASE_RETURN_IF_ERROR(ListTextCopies(area, &names));
  TextPageMaker maker;
  std::unordered_set<std::string> pages;
  int64_t pages_made = 0;
  for (const std::string& name : names) {
    if (!HasTextExtension(name)) continue;
    std::string page = ConvertedPageName(name);
    while (!pages.insert(page).second) page.insert(0, KeptApartPrefix());
    DOCBASE_RETURN_IF_ERROR(
        maker.Make(area.Path(InFolder(TextCopyFolder(), name)),
                   area.Path(InFolder(ConvertedPageFolder(), page)),
                   ConvertedPageTitle(page)));
    if (++pages_made == input_file_count) break;
  }
  return Status::Ok();
}

}  // namespace

Status ConvertTextsToPages(const WorkArea& area, int64_t input_file_count,
                           ConvertedTexts* converted) {
  DOCBASE_RETURN_IF_ERROR(CopyFiles(area, InFolder(InputFolder(), TextPattern()),
                                    TextCopyFolder()));
  DOCBASE_RETURN_IF_ERROR(SanitiseTextNames(area));
  DOCBASE_RETURN_IF_ERROR(ConvertTexts(area, input_file_count));
  converted->pages =
      MatchingNames(area, InFolder(ConvertedPageFolder(), PagePattern()));
  converted->number_pad = NumberPadForCount(input_file_count);
  return Status::Ok();
}

Status FillInputPageSet(const WorkArea& area) {
  MakeFolder(area, InputPageFolder());
  DeleteFiles(area, InFolder(InputPageFolder(), EveryNamePattern()));
  // Nothing reads htm_wrk after this, so the pages move rather than copy:
  // the end state of htm_in is that of the copy.
  for (const std::string& page :
       MatchingNames(area, InFolder(ConvertedPageFolder(), PagePattern()))) {
    DOCBASE_RETURN_IF_ERROR(MoveFile(area, InFolder(ConvertedPageFolder(), page),
                                     InFolder(InputPageFolder(), page)));
  }
  // htm_ndx/htm_in is made and emptied, and removed with the other work
  // folders at the end, but no phase reads a page from it.
  MakeFolder(area, IndexFolder());
  MakeFolder(area, IndexPageFolder());
  DeleteFiles(area, InFolder(IndexPageFolder(), EveryNamePattern()));
  return Status::Ok();
}

}  // namespace docbase
