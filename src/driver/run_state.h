// The values the driver keeps for the whole run, one instance: the settings
// of the dialogue, the input file count, the page number pad and the random
// generator. The phases take what they need of it as arguments; the indexing
// phases hand their results on as return values and in the work files of
// workarea/file_names.h.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "driver/setting_choices.h"
#include "html/layout.h"
#include "pages/code_pages.h"
#include "run/settings.h"
#include "run/split_mix.h"
#include "words/word_census.h"

namespace docbase {

// The layout of the pages that --layout names.
std::unique_ptr<Layout> MakeLayout(PageLayout layout);

struct RunState {
  // Filled in as the dialogue goes; the later phases see them as
  // `const Settings&`.
  Settings settings;
  // How the pages are written; the one made of --layout.
  std::unique_ptr<Layout> layout = MakeLayout(PageLayout::kClassic);

  // Argument 0 as typed; only printed.
  std::string program_path;

  int64_t input_file_count = 0;
  // Pages per page group when chosen on the command line; unset, the group
  // size is input_file_count.
  std::optional<int64_t> chosen_group_size;
  // Zeros giving the width of page numbers (set by text-to-page conversion,
  // set again by the page set).
  std::string number_pad;
  // --encoding: the code page of texts that are not UTF-8, or null.
  const CodePage* code_page = nullptr;
  // The one generator of the run, for the search phrases of long lines.
  SplitMix64 random;
};

// A run state holding the settings this program was built with, each
// replaced by its choice where one was made.
RunState RunStateFromBuildSettings(std::string program_path,
                                   const SettingChoices& choices = {});

// The number of pages per page group: the chosen size, else the layout's
// own.
int64_t GroupSize(const RunState& state, const WordCensus& census);

}  // namespace docbase
