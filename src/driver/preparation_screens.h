// The screens of the preparation phases: the stop for an empty txt_in and
// the list of converted pages with its menu. The phases below only report
// what they found; these screens show it and wait for the user's answer.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/status.h"
#include "driver/console.h"
#include "driver/run_step.h"
#include "pages/text_to_page.h"

namespace docbase {

// "Subfolder txt_in is empty", then the one-key exit: always ends the run.
RunStep ShowInputMissing(Console& console);

// The pages of htm_wrk, the input count and the two-choice menu ("2" ends
// the run), then an empty line when the run goes on. `directory_path` is
// the program directory, for the auto-answer probe.
RunStep ShowConvertedPages(const ConvertedTexts& converted,
                           int64_t input_file_count, Console& console,
                           std::string_view directory_path);

}  // namespace docbase
