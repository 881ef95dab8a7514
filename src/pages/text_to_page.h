// Text-to-page conversion, in two steps with the driver's screen between
// them. ConvertTextsToPages names the page of every text file of txt_in as
// copying the texts into txt_wrk, renaming each copy to its sanitised name
// and wrapping each in a minimal HTML page in htm_wrk would name them; it
// works the names out in memory and writes no file: each page is made from
// its text in txt_in when it is read (pages/page_reader.h). It hands back
// the pages, the names htm_wrk would list and the number pad of the input
// count, and shows nothing. It reads each text once to learn its form
// (pages/text_encoding.h): the pages are made from the UTF-8 it gives. Once the user goes on, FillInputPageSet gives
// the folders of the input page set their end state.
//
// Precondition: the folder set-up has made or emptied txt_wrk and htm_wrk
// and counted the input files. txt_in is only ever read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/status.h"
#include "pages/text_encoding.h"
#include "workarea/work_area.h"

namespace docbase {

// A page made from a text: its name (as in htm_wrk, "notes.htm") and the
// text it is made from. Its title is "htm_wrk\" + its name.
struct ConvertedPage {
  std::string name;
  std::filesystem::path text;
  TextForm form;  // how the text becomes UTF-8
};

struct ConvertedTexts {
  // The pages made, in conversion order.
  std::vector<ConvertedPage> made;
  // The *.htm names htm_wrk would hold after the conversion, in byte
  // order: the pages made (and whatever of that name the set-up left there).
  std::vector<std::string> pages;
  // The zeros giving the width of page numbers for the input count.
  std::string number_pad;
  // The file names of the texts made into pages that are not UTF-8 and are
  // kept as bytes (no code page was chosen), in conversion order.
  std::vector<std::string> kept_as_bytes;
};

// Converts at most `input_file_count` text files; a text that is not UTF-8
// is read in `code_page` when one is given.
Status ConvertTextsToPages(const WorkArea& area, int64_t input_file_count,
                           ConvertedTexts* converted,
                           const CodePage* code_page = nullptr);

// htm_in is made and emptied (the converted pages are kept in memory, not
// moved there). The folders htm_ndx and htm_ndx/htm_in are made (and the
// latter emptied) as they always were; nothing is written into them.
Status FillInputPageSet(const WorkArea& area);

}  // namespace docbase
