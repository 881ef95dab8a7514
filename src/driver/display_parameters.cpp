#include "driver/display_parameters.h"

#include <cstdint>
#include <string_view>

#include "base/text.h"
#include "io/line_reader.h"
#include "io/line_writer.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

constexpr char kMarker[] = "--->";
constexpr size_t kZoneWidth = 14;

constexpr std::string_view kParameterLines[] = {
    "====== CODE PAGE ======",
    "Windows-1250",
    "Central Europe languages: Albanian, Croatian, Czech, Hungarian, Polish, "
    "Romanian, Serbian (Latin), Slovak, Slovenian",
    "Windows-1251",
    "Cyrillic languages: Azeri, Belarusian, Bulgarian, Macedonian, Kazakh, "
    "Kyrgyz, Mongolian, Russian, Serbian, Tatar, Ukrainian, Uzbek",
    "Windows-1252",
    "Latin 1 languages: Afrikaans, Basque, Catalan, Danish, Dutch, English, "
    "Faroese, Finnish, French, Galician, German, Icelandic, Indonesian, "
    "Italian, Malay, Norwegian, Portuguese, Spanish, Swahili, Swedish",
    "Windows-1253",
    "Greek",
    "Windows-1254",
    "Turkic languages: Azeri (Latin), Turkish, Uzbek (Latin)",
    "Windows-1255",
    "Hebrew",
    "Windows-1256",
    "Arabic, Farsi, Urdu",
    "Windows-1257",
    "Baltic languages: Estonian, Latvian, Lithuanian",
    "Windows-1258",
    "Vietnamese",
    "Windows-54936",
    "China",
    "Windows-65001",
    "Unicode",
    "====== FONT COLOR ======",
    "black",
    "blue",
    "brown",
    "chartreuse",
    "coral",
    "forestgreen",
    "green",
    "coralyellow",
    "red",
    "====== FONT SIZE ======",
    "60%",
    "80%",
    "100%",
    "120%",
    "140%",
    "160%",
    "180%",
    "200%",
    "====== FIND WORD MENU ======",
    "yes",
    "no",
};

// The section keys seen so far in one pass; a key once seen stays seen.
struct SectionKeys {
  bool code_page = false;
  bool font_color = false;
  bool font_size = false;
  bool find_word = false;

  void Note(std::string_view text) {
    std::string lower = ToLowerAscii(text);
    code_page |= Contains(lower, "code page");
    font_color |= Contains(lower, "font color");
    font_size |= Contains(lower, "font size");
    find_word |= Contains(lower, "find word");
  }
};

// (m - 1) / 2 rounded to the nearest integer, ties to even.
int64_t HalfRoundedToEven(int64_t m) {
  int64_t half = (m - 1) / 2;
  bool tie = (m - 1) % 2 != 0;
  return tie && half % 2 != 0 ? half + 1 : half;
}

Status WriteParameterFile(const WorkArea& area) {
  LineWriter writer;
  DOCBASE_RETURN_IF_ERROR(writer.Open(area.Path(ParameterFile())));
  for (std::string_view line : kParameterLines) writer.WriteLine(line);
  return writer.Close();
}

// The number of lines n and of code page pairs K: K follows the line number
// up to the colour header.
Status CountParameterLines(const WorkArea& area, int64_t* lines,
                           int64_t* pairs) {
  *lines = 0;
  *pairs = 0;
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(ParameterFile())));
  SectionKeys keys;
  std::string_view line;
  while (reader.Next(&line)) {
    ++*lines;
    keys.Note(line);
    if (!keys.font_color) *pairs = HalfRoundedToEven(*lines);
  }
  return reader.status();
}

// Reads the R = n - K rows: the code page header takes the K pairs that
// follow it as rows of their own.
Status ReadParameterRows(const WorkArea& area, int64_t row_count, int64_t pairs,
                         std::vector<ParameterRow>* rows) {
  rows->clear();
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(ParameterFile())));
  SectionKeys keys;
  std::string_view line;
  while (static_cast<int64_t>(rows->size()) < row_count && reader.Next(&line)) {
    keys.Note(line);
    rows->push_back({std::string(line), " ", "   "});
    if (!keys.code_page) continue;
    for (int64_t pair = 0; pair < pairs && reader.Next(&line); ++pair) {
      ParameterRow row{std::string(line), "", "   "};
      if (reader.Next(&line)) row.description = line;
      rows->push_back(std::move(row));
    }
    keys.code_page = false;
  }
  return reader.status();
}

// Ends an item with blanks up to the next multiple of the zone width
// beyond it, or with a line break when that would lie past the console
// width less one zone.
void EndPrintZone(Console& console) {
  size_t next = (console.column() / kZoneWidth + 1) * kZoneWidth;
  int width = console.Width();
  if (width < static_cast<int>(kZoneWidth) ||
      next > static_cast<size_t>(width) - kZoneWidth) {
    console.Line();
  } else {
    console.Write(std::string(next - console.column(), ' '));
  }
}

void PrintOverview(const std::vector<ParameterRow>& rows, Console& console) {
  console.Line();
  console.Line("====== OVERVIEW/SELECT PARAMETERS ======");
  console.Line();
  int64_t number = 0;
  for (const ParameterRow& row : rows) {
    console.Write(SignedDecimal(++number));
    EndPrintZone(console);
    console.Write(row.option);
    EndPrintZone(console);
    console.Write(row.description);
    EndPrintZone(console);
    console.Line(row.marker);
  }
}

}  // namespace

DisplayParameters TakeMarkedValues(const std::vector<ParameterRow>& rows) {
  DisplayParameters values;
  values.font_colour.clear();
  values.font_size.clear();
  values.find_word = 0;
  SectionKeys keys;
  for (const ParameterRow& row : rows) {
    keys.Note(row.option);
    if (row.marker != kMarker) continue;
    if (keys.find_word) {
      values.find_word = row.option == "yes" ? 1 : 0;
    } else if (keys.font_size) {
      values.font_size = row.option;
    } else if (keys.font_color) {
      values.font_colour = row.option;
    }
    // A marked code page is not taken: the pages stay UTF-8.
  }
  if (values.font_colour.empty()) values.font_colour = "red";
  if (values.font_size.empty()) values.font_size = "140%";
  if (values.find_word == 0) values.find_word = 1;
  return values;
}

Status SetDisplayParameters(const WorkArea& area, RunState& state,
                            Console& console) {
  DOCBASE_RETURN_IF_ERROR(WriteParameterFile(area));
  int64_t lines = 0;
  int64_t pairs = 0;
  DOCBASE_RETURN_IF_ERROR(CountParameterLines(area, &lines, &pairs));
  std::vector<ParameterRow> rows;
  DOCBASE_RETURN_IF_ERROR(ReadParameterRows(area, lines - pairs, pairs, &rows));
  PrintOverview(rows, console);
  state.settings.display = TakeMarkedValues(rows);
  console.Clear();
  return Status::Ok();
}

}  // namespace docbase
