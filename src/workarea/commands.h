// The command vocabulary of the run, carried out natively: listings, copies,
// deletes, folders, rename, the platform sort, the line count and the text
// search. No shell is ever started, so a file name is only ever a name.
//
// Names and patterns are relative to the work area, "folder/pattern" with
// "/" between the parts; patterns follow MatchesWildcard. Failures the run
// expects stay silent (a copy or delete that finds nothing, a folder that is
// not empty); a file that exists but cannot be read, or a file that cannot
// be created or written, is an I/O error.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

// Splits "folder/pattern" at its last "/" (no folder when there is none).
std::pair<std::string_view, std::string_view> SplitPatternPath(
    std::string_view pattern_path);

// The names (without folder) of the entries, files and folders alike, that
// match `pattern_path`, in ascending byte order. Empty when the folder is
// missing.
std::vector<std::string> MatchingNames(const WorkArea& area,
                                       std::string_view pattern_path);

// "dir /b pattern > list_file": the matching names, one per line. The list
// file is created before the listing is taken, so it can name itself.
Status ListNames(const WorkArea& area, std::string_view pattern_path,
                 std::string_view list_file);

// "dir /b /s folder\*.* > list_file": absolute paths of everything below
// the folder, the folder's own entries in byte order, then each
// sub-folder's in turn.
Status ListTree(const WorkArea& area, std::string_view folder,
                std::string_view list_file);

// "dir > file": a listing whose only use is to make sure a file exists (or
// to be searched for folder names); here the bare names of the program
// directory.
Status WriteDirectoryListing(const WorkArea& area, std::string_view file);

// "folder_present": writes the names without extension to `list_file`, then
// tells whether some line, lower-cased, contains `name` (a lower-case
// name; a substring is enough, as the run has always done it).
Status FolderPresent(const WorkArea& area, std::string_view name,
                     std::string_view list_file, bool* present);

// "del /q pattern": removes the matching files (a link as a link); folders
// are left alone, and a folder that is a link is not looked into.
void DeleteFiles(const WorkArea& area, std::string_view pattern_path);
// Removes one file; a missing file or a folder is ignored.
void DeleteFile(const WorkArea& area, std::string_view name);

// "copy from to": replaces `to`. A missing source copies nothing.
Status CopyFile(const WorkArea& area, std::string_view from,
                std::string_view to);
// Moves `from` onto `to`, replacing it: the end state of a copy followed by
// the deletion of the source, without copying the bytes.
Status MoveFile(const WorkArea& area, std::string_view from,
                std::string_view to);

// "md folder" (one level) and "rd folder" (only when empty); both silent.
// A link in the folder's place is removed before the folder is made, and
// is never removed as a folder.
void MakeFolder(const WorkArea& area, std::string_view folder);
void RemoveFolder(const WorkArea& area, std::string_view folder);

// "sort in /o out": stable, whole lines compared by bytes after lower-casing
// the ASCII letters. Holds the file in memory: for listings and small files.
Status PlatformSort(const WorkArea& area, std::string_view in,
                    std::string_view out);

// Whether the quoted record `line` carries `id` as its word id field (the
// fifth field of the record files that are counted and searched).
bool RecordHasWordId(std::string_view line, std::string_view id);

// "find /c "id" file > out": one line "---------- file: N", N the number of
// records of `file` whose word id field is `id`.
Status CountWordIdLines(const WorkArea& area, std::string_view id,
                        std::string_view file, std::string_view out);

// "findstr "id" file > out": the records of `file` whose word id field is
// `id`, in file order.
Status SearchWordIdLines(const WorkArea& area, std::string_view id,
                         std::string_view file, std::string_view out);

}  // namespace docbase
