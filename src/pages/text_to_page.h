// Text-to-page conversion, in two steps with the driver's screen between
// them. ConvertTextsToPages copies the files of txt_in into txt_wrk under
// sanitised names and wraps each in a minimal HTML page in htm_wrk; it
// hands back the pages found there and the number pad of the input count,
// and shows nothing. Once the user goes on, FillInputPageSet moves the
// pages into htm_in, the input page set.
//
// Precondition: the folder set-up has made or emptied txt_wrk and htm_wrk
// and counted the input files. txt_in is only ever read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/status.h"
#include "workarea/work_area.h"

namespace docbase {

struct ConvertedTexts {
  // The *.htm names of htm_wrk after the conversion, in byte order: the
  // pages it made (and whatever of that name the set-up left there).
  std::vector<std::string> pages;
  // The zeros giving the width of page numbers for the input count.
  std::string number_pad;
};

// Converts at most `input_file_count` text files.
Status ConvertTextsToPages(const WorkArea& area, int64_t input_file_count,
                           ConvertedTexts* converted);

// htm_in holds exactly the converted pages, moved there from htm_wrk. The
// folders htm_ndx and htm_ndx/htm_in are made (and the latter emptied) as
// they always were; nothing is written into them.
Status FillInputPageSet(const WorkArea& area);

}  // namespace docbase
