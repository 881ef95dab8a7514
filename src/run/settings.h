// The values every phase reads and none changes once the dialogue is over:
// the build-time settings, the target site and address, and the display
// parameters. The driver fills them during start-up and preparation and
// hands them to the later phases as a const reference.
#pragma once

#include <string>

#include "run/run_clock.h"

namespace docbase {

struct DisplayParameters {
  std::string code_page_name = "UTF-8";
  std::string font_colour = "red";
  std::string font_size = "140%";
  int find_word = 1;  // 1: navigation spans on
};

struct Settings {
  // Build-time settings.
  std::string program_name_setting;
  std::string info_address;
  std::string search_host;

  std::string target_site;     // never empty once derived
  std::string target_address;  // as typed; may be empty
  DisplayParameters display;
  // Threads for the work that can run side by side; the output is the
  // same for every number.
  int jobs = 1;
  // The date and time every page shows: read once, when indexing starts.
  DateTimeText run_moment;
};

// The link to the information address, target and text alike:
// <a href="http://INFO">http://INFO</a>
std::string InfoLink(const Settings& settings);

}  // namespace docbase
