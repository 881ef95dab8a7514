// The values that cross phases, one instance for the whole run. Everything
// else passes between phases through files in the work area.
#pragma once

#include <cstdint>
#include <string>

#include "common/split_mix.h"

namespace docbase {

struct DisplayParameters {
  std::string code_page_name = "UTF-8";
  std::string font_colour = "red";
  std::string font_size = "140%";
  int find_word = 1;  // 1: navigation spans on
};

struct RunState {
  // Build-time settings.
  std::string program_name_setting;
  std::string info_address;
  std::string search_host;
  // Argument 0 as typed; only printed.
  std::string program_path;

  std::string target_site;     // never empty once derived
  std::string target_address;  // as typed; may be empty
  int64_t input_file_count = 0;
  // Zeros giving the width of page numbers (set by text-to-page conversion,
  // set again by the page set).
  std::string number_pad;
  DisplayParameters display;
  // Named by the caller immediately before each file sort.
  std::string sort_input_name;
  std::string sort_output_name;
  int64_t group_count = 0;
  // The one generator of the run, for the search phrases of long lines.
  SplitMix64 random;
};

// The link to the information address, target and text alike:
// <a href="http://INFO">http://INFO</a>
std::string InfoLink(const RunState& state);

// A run state holding the settings this program was built with.
RunState RunStateFromBuildSettings(std::string program_path);

}  // namespace docbase
