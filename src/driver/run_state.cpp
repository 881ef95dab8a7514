#include "driver/run_state.h"

#include "build_settings.h"
#include "html/classic/layout.h"
#include "html/modern/layout.h"

namespace docbase {

std::unique_ptr<Layout> MakeLayout(PageLayout layout) {
  return layout == PageLayout::kModern ? MakeModernLayout()
                                       : MakeClassicLayout();
}

RunState RunStateFromBuildSettings(std::string program_path,
                                   const SettingChoices& choices) {
  RunState state;
  state.settings.program_name_setting =
      choices.program_name_setting.value_or(build::kProgramNameSetting);
  state.settings.info_address =
      choices.info_address.value_or(build::kInfoAddress);
  state.settings.search_host = choices.search_host.value_or(build::kSearchHost);
  state.chosen_group_size = choices.group_size;
  state.layout = MakeLayout(choices.layout.value_or(PageLayout::kClassic));
  state.program_path = std::move(program_path);
  return state;
}

int64_t GroupSize(const RunState& state, const WordCensus& census) {
  if (state.chosen_group_size) return *state.chosen_group_size;
  return state.layout->DefaultGroupSize(census, state.input_file_count);
}

}  // namespace docbase
