#include "driver/run_state.h"

#include "build_settings.h"

namespace docbase {

RunState RunStateFromBuildSettings(std::string program_path) {
  RunState state;
  state.program_name_setting = build::kProgramNameSetting;
  state.info_address = build::kInfoAddress;
  state.search_host = build::kSearchHost;
  state.program_path = std::move(program_path);
  return state;
}

}  // namespace docbase
