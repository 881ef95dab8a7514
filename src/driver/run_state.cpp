#include "driver/run_state.h"

#include "build_settings.h"

namespace docbase {

std::string InfoLink(const RunState& state) {
  std::string address = "http://" + state.info_address;
  return "<a href=\"" + address + "\">" + address + "</a>";
}

RunState RunStateFromBuildSettings(std::string program_path) {
  RunState state;
  state.program_name_setting = build::kProgramNameSetting;
  state.info_address = build::kInfoAddress;
  state.search_host = build::kSearchHost;
  state.program_path = std::move(program_path);
  return state;
}

}  // namespace docbase
