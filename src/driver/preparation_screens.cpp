#include "driver/preparation_screens.h"

#include <string>

#include "base/text.h"
#include "driver/prompts.h"
#include "workarea/file_names.h"

namespace docbase {

RunStep ShowInputMissing(Console& console) {
  console.Line();
  console.Line("----------------------------");
  console.Line("Subfolder " + std::string(InputFolder()) + " is empty");
  console.Line();
  return OneKeyExit(console);
}

RunStep ShowConvertedPages(const ConvertedTexts& converted,
                           int64_t input_file_count, Console& console,
                           std::string_view directory_path) {
  console.Line("----- dir " + std::string(ConvertedPageFolder()) + " -----");
  for (const std::string& page : converted.pages) console.Line(page);
  console.Line();
  console.Line(std::string(23, '-'));
  console.Line("number of files =" + SignedDecimal(input_file_count));
  console.Line();
  DOCBASE_RETURN_IF_STOPPED(
      TwoChoiceMenu(console, "<1> continue", "<2> end", directory_path));
  console.Line();
  return RunStep::GoOn();
}

}  // namespace docbase
