// Names of the converted text files. A copy in txt_wrk is renamed so that its
// base (the part before the first ".txt", letter case ignored) holds only
// ASCII letters, digits and "_": every other byte becomes one "_", so a
// non-ASCII letter gives one "_" per UTF-8 byte. The extension keeps its
// letter case.
//
// "file_" goes in front of a name that could be taken for one of the run's
// own pages: one beginning "page_" (a numbered page), and one whose base is
// exactly "page" (its working copy would be page_01.htm) or "f_promote" (the
// promotional page), letter case ignored.
#pragma once

#include <string>
#include <string_view>

namespace docbase {

// The name a listed text file should carry. Blanks around the listed name
// and around its base are dropped first. A name without ".txt" is returned
// unchanged.
std::string SanitisedName(std::string_view listed_name);

// The page made from a text file: its name up to and including the dot of
// the first ".txt" (letter case ignored), then "htm"; "NOTES.TXT" gives
// "NOTES.htm". A name without ".txt" gets ".htm" appended. A file that kept
// its old name because its sanitised name was taken ("page_3.txt" beside
// "file_page_3.txt") still gets the "file_" prefix on its page.
std::string ConvertedPageName(std::string_view text_name);

}  // namespace docbase
