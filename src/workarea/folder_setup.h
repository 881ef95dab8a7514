// Preparing the work area: the input presence check, the folder set-up with
// its presence tests, the stale-file clean-up of the program directory, and
// the output folder set-up. A failed test prints its framed message through
// the report, waits as specified and sets `*stopped`: the run ends there.
// A listing that cannot be written is an I/O error.
//
// Folder presence is learned the way the run has always learned it: from a
// listing of the extensionless names, searched for the folder name as a
// substring (so "old_htm_in" satisfies a test for "htm_in"). The tests
// that check a folder after it was made or emptied search a listing of
// folders only, so a plain file that happens to carry the folder's name
// ends the run with the folder's message instead of passing for it.
//
// txt_in is only ever listed, never written.
#pragma once

#include <cstdint>

#include "base/status.h"
#include "run/run_report.h"
#include "workarea/work_area.h"

namespace docbase {

// Empties an old htm_out, lists txt_in/*.txt into txt_file.txt and sets
// `*present` to whether some listed name contains ".txt" in lower case.
Status CheckInputPresence(const WorkArea& area, bool* present);

// htm_in made anew, with its presence test.
Status SetUpInputFolder(const WorkArea& area, RunReport& report, bool* stopped);

// Counts the names of txt_file.list into `*input_file_count` (the run
// stops when there are none), then makes or empties txt_wrk and htm_wrk,
// with the presence test of txt_wrk.
Status SetUpWorkFolders(const WorkArea& area, RunReport& report,
                        int64_t* input_file_count, bool* stopped);

// Removes every *.htm*, *.list and *.txt file of the program directory,
// creates trace/file_trace.txt empty when a trace folder exists, and
// empties and removes an old htm_out.
Status CleanStaleFiles(const WorkArea& area);

// htm_in and htm_out made; the run ends when htm_out is not there after.
// Precondition: SetUpInputFolder has passed (its test already found htm_in).
Status SetUpOutputFolders(const WorkArea& area, RunReport& report,
                          bool* stopped);

}  // namespace docbase
