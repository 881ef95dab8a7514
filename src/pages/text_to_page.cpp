#include "pages/text_to_page.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "common/line_writer.h"
#include "common/text.h"
#include "driver/prompts.h"
#include "pages/name_sanitiser.h"
#include "pages/number_pad.h"
#include "pages/text_page.h"
#include "workarea/commands.h"

namespace docbase {
namespace {

// Lists the text copies into txt_wrk.list and hands back the same names.
// The names are used as listed, whole: a name holding a line-end byte is
// one name, not two lines.
Status ListTextCopies(const WorkArea& area, std::vector<std::string>* names) {
  *names = MatchingNames(area, "txt_wrk/*.txt");
  LineWriter list;
  DOCBASE_RETURN_IF_ERROR(list.Open(area.Path("txt_wrk.list")));
  for (const std::string& name : *names) list.WriteLine(name);
  return list.Close();
}

bool HasTextExtension(std::string_view name) {
  return FindIgnoreCase(name, ".txt") != std::string_view::npos;
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
      RenameNoReplace(area, "txt_wrk/" + name, "txt_wrk/" + sanitised);
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
    while (!pages.insert(page).second) page.insert(0, "file_");
    DOCBASE_RETURN_IF_ERROR(maker.Make(area.Path("txt_wrk/" + name),
                                       area.Path("htm_wrk/" + page),
                                       "htm_wrk\\" + page));
    if (++pages_made == input_file_count) break;
  }
  return Status::Ok();
}

// The pages made, the input count and the menu; "2" ends the run.
Status ShowConvertedPages(const WorkArea& area, const RunState& state,
                          Console& console) {
  console.Line("----- dir htm_wrk -----");
  for (const std::string& page : MatchingNames(area, "htm_wrk/*.htm")) {
    console.Line(page);
  }
  console.Line();
  console.Line(std::string(23, '-'));
  console.Line("number of files =" + SignedDecimal(state.input_file_count));
  console.Line();
  return TwoChoiceMenu(console, "<1> continue", "<2> end",
                       area.DirectoryPath());
}

// htm_in holds exactly the converted pages, htm_ndx/htm_in a copy of them.
Status FillInputPageSet(const WorkArea& area) {
  MakeFolder(area, "htm_in");
  DeleteFiles(area, "htm_in/*.*");
  DOCBASE_RETURN_IF_ERROR(CopyFiles(area, "htm_wrk/*.htm", "htm_in"));
  MakeFolder(area, "htm_ndx");
  MakeFolder(area, "htm_ndx/htm_in");
  DeleteFiles(area, "htm_ndx/htm_in/*.*");
  return CopyFiles(area, "htm_in/*.htm", "htm_ndx/htm_in");
}

}  // namespace

Status ConvertTextsToPages(const WorkArea& area, RunState& state,
                           Console& console) {
  state.number_pad = NumberPadForCount(state.input_file_count);
  DOCBASE_RETURN_IF_ERROR(CopyFiles(area, "txt_in/*.txt", "txt_wrk"));
  DOCBASE_RETURN_IF_ERROR(SanitiseTextNames(area));
  DOCBASE_RETURN_IF_ERROR(ConvertTexts(area, state.input_file_count));
  DOCBASE_RETURN_IF_ERROR(ShowConvertedPages(area, state, console));
  console.Line();
  return FillInputPageSet(area);
}

}  // namespace docbase
