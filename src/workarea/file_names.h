// Every name of a file or folder that a run reads or writes, each spelled
// once here with what it is, which phase writes it and which phases read it.
// The pages and the links to them are built from the same functions, so a
// page's name and every link to it cannot drift apart. Names are relative to
// the program directory, with "/" between folder and name (WorkArea::Path
// makes paths of them); only the usage text of the command line spells a
// name elsewhere.
//
// Clean-ups remove every *.txt, *.list and *.htm* file of the program
// directory, so every work file there ends in one of these, and a run's
// leftovers go after a finished run and after a killed one alike. The lock
// file has none of them on purpose.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "workarea/work_area.h"

namespace docbase {

// ---- Name pieces and patterns ------------------------------------------

// The extension of the user's texts (the lower-case form is the one that
// counts as a text), written by nobody, read by set-up and conversion.
std::string_view TextExtension();  // ".txt"
// The extension of every page the run makes.
std::string_view PageExtension();  // ".htm"

// `folder` + "/" + `name`: a name (or a pattern) inside a sub-folder.
std::string InFolder(std::string_view folder, std::string_view name);

// Wildcard patterns (workarea/wildcard.h) of the listings and clean-ups.
std::string_view EveryNamePattern();  // "*.*": every name of a folder
std::string_view TextPattern();       // "*.txt": texts and work files
std::string_view PagePattern();       // "*.htm": pages
std::string_view HtmlPattern();       // "*.htm*": pages and .html files
std::string_view ListPattern();       // "*.list": the listings named .list

// ---- Folders of the program directory ----------------------------------

// The user's texts: listed at set-up, read by the conversion and by every
// phase that reads a page made from one (pages/page_reader.h); never
// written.
std::string_view InputFolder();  // "txt_in"
// The document base: emptied at set-up, filled by the collection, which
// moves every page into it. The one folder the run leaves.
std::string_view OutputFolder();  // "htm_out"
// Made or emptied at set-up. The conversion names the pages as copies of
// the texts renamed to safe names here would name them, from what the
// set-up left here and the names of the texts; it writes no copy.
std::string_view TextCopyFolder();  // "txt_wrk"
// Made or emptied at set-up; the names of the converted pages are worked
// out as if they were written here, but they are kept in memory.
std::string_view ConvertedPageFolder();  // "htm_wrk"
// The input pages: the promotional page, written here by the page set, and
// the converted pages (in memory), listed as if they stood here and given
// their numbered pages by the page set.
std::string_view InputPageFolder();  // "htm_in"
// Made and emptied by the page set with IndexPageFolder() inside it, and
// removed at the end; nothing is read from either.
std::string_view IndexFolder();      // "htm_ndx"
std::string IndexPageFolder();       // "htm_ndx/htm_in"
// Holds one empty entry file per page group (WordFolderEntry), made before
// the output pass; removed at the end.
std::string_view WordFolder();  // "wrd_24"
// Made by the user only: when it is there, the stale-file clean-up writes
// TraceFile() into it, empty.
std::string_view TraceFolder();  // "trace"
std::string TraceFile();         // "trace/file_trace.txt"

// ---- Listings ------------------------------------------------------------

// The listing every clean-up and folder test writes and reads back. The
// last one written (by the collection) is the one file beside txt_in and
// htm_out that a run leaves.
std::string_view ListingFile();  // "dir_01.txt"
// The listing of the sub-folders written by the folder tests of set-up.
std::string_view FolderListingFile();  // "dir_cur.txt"
// The listing of InputFolder() that tells whether there are texts at all
// (written and read by the input presence check).
std::string_view TextListingFile();  // "txt_file.txt"
// The listing of InputFolder() counted for the number of input files
// (written and read by set-up).
std::string_view InputListingFile();  // "txt_file.list"
// The listing of InputPageFolder() and its sorted form, written and read
// by the page set (which then writes the page list into ListingFile()).
std::string_view PageListingFile();        // "dir_02.txt"
std::string_view SortedPageListingFile();  // "dir_03.txt"
// The listing written into WordFolder() before it is emptied.
// The empty entry file of page group `group` in WordFolder().
std::string WordFolderEntry(int64_t group);  // "wrd_24/wrd_24_G.txt"

// ---- Start-up files --------------------------------------------------------

// The input and output of each tool check, and the pattern that removes
// the check files of an earlier run; left for the clean-ups.
std::string_view CheckInputFile();    // "check_01.txt"
std::string_view CheckOutputFile();   // "check_02.txt"
std::string_view CheckFilePattern();  // "check_*.txt"
// The display parameters, written afresh and read back by every run.
std::string_view ParameterFile();  // "publisher_para.txt"
// The lock a run holds on its program directory (driver/run_lock.h),
// removed when the run ends. None of the clean-up extensions, and a dot, so
// no listing of extensionless names shows it either.
std::string_view RunLockFile();  // ".docbase.lock"

// ---- Pages -----------------------------------------------------------------

// The promotional page: written into InputPageFolder() by the page set,
// always the first page of the page list.
std::string_view PromotionalPageName();  // "f_promote.htm"
// Page number `number` of the page set: "page_" + `number` zero-padded to
// the width of `pad` + ".htm". Named by the page set; read from its origin
// by word extraction and the annotated pages (pages/page_reader.h) and
// written once, by the output pass; moved into htm_out; every page, index
// and contents link to a page uses the name it was given.
std::string NumberedPageName(const std::string& pad, uint64_t number);
// The title line of a converted page: "htm_wrk\" + its name, with the
// backslash the run has always shown.
std::string ConvertedPageTitle(std::string_view page);
// Whether a name made from an input could be taken for one of the run's own
// pages: `name` begins with "page_" (letter case ignored; a numbered page),
// or `base` is "page" (the working copy of page 1 would be page_01.htm) or
// "f_promote" (the promotional page), once lower-cased. Such a name gets
// KeptApartPrefix() in front, as does a page name already taken.
bool CouldPassForOwnPage(std::string_view name, std::string_view base);
std::string_view KeptApartPrefix();  // "file_"

// The contents page, one link per page; written by the output pass, linked
// from every page, word index and search page.
std::string_view ContentsPageName();  // "files_list.htm"
// The main index of all words; written after the output pass, linked from
// the word index and search pages.
std::string_view MainIndexPageName();  // "index.htm"
// The word index page of page group `group` ("i_G.htm"), and the name it is
// shown by in links ("i_G"). Written by the output pass; linked from the
// annotated pages, the search pages and the main index.
std::string WordIndexPageName(std::string_view group);
std::string WordIndexPageName(int64_t group);
std::string WordIndexPageStem(std::string_view group);
// The search page of page group `group` ("s_G.htm") and its shown name
// ("s_G"). Written by the output pass; linked from the annotated pages and
// the word index pages.
std::string SearchPageName(std::string_view group);
std::string SearchPageName(int64_t group);
std::string SearchPageStem(std::string_view group);
// The pages of the modern layout only (settings.h, PageLayout). The main
// index there is a small front page (MainIndexPageName()) and the pages of
// its word ranges, "index_N.htm" for N = 1, 2, ..., written after the output
// pass and moved into htm_out like index.htm. The one stylesheet and the
// one script every modern page links to are written straight into
// OutputFolder(): they carry no clean-up extension, so a copy beside
// txt_in would outlive a killed run, or replace a user's file of that name.
std::string MainIndexPartName(int64_t part);  // "index_N.htm"
// Part `part` (2, 3, ...) of a modern annotated page cut into parts to keep
// each file small: "page_N.htm" gives "page_N_2.htm", .... A numbered page
// name is "page_" and digits, so a part's name is never a page's. Written
// by the output pass, moved into htm_out with its page.
std::string PagePartName(std::string_view page, int64_t part);
// The record file of a part of a long modern search page: what words the
// part holds, read by the script of the part before it ("s_1_2.htm" gives
// "s_1_2.js"). Moved into htm_out with the part.
std::string PartRecordName(std::string_view part);
std::string_view StyleSheetName();            // "docbase.css"
std::string_view ScriptName();                // "docbase.js"
// The output files as the results screen names them.
std::string_view OutputFilesShown();

// ---- The indexing work files -------------------------------------------
// Binary records (words/word_records.h), read back against their exact size
// and a checksum kept in memory. The other phases keep their data in
// memory: the distinct words, the page list, the page groups and the next
// pages are far smaller than the occurrences, the only data that grow with
// the corpus.

// One record per word occurrence, page after page in document order
// (StoredOccurrence). Written by word extraction; read by the annotated
// pages and the search pages.
std::filesystem::path OccurrenceFile(const WorkArea& area);
// One record per word and page, page after page (StoredPageWord). Written
// by word extraction; its next pages are filled in by the word splits; read
// by the annotated pages.
std::filesystem::path PageWordFile(const WorkArea& area);
// The sorted runs of the word-and-page records in word-id order
// (StoredWordPage), made by the word splits when they exceed the memory
// budget; read by the main index and by the pass that sorts them by page
// group for the word index pages (WordPageGroupFile).
std::filesystem::path WordPageRunFile(const WorkArea& area);
// The second work file of a merge in levels, used when the runs are very
// many: "_merge" before the extension of `run_file`, so that it keeps it.
std::filesystem::path MergeRunFile(const std::filesystem::path& run_file);
// The word-and-page records again, sorted by page group in runs
// (words/word_pages_by_group.h), when they overflow the sort's budget;
// written by the output pass before the word index pages, read by them.
std::filesystem::path WordPageGroupFile(const WorkArea& area);

}  // namespace docbase
