#include "run/settings.h"

namespace docbase {

std::string InfoLink(const Settings& settings) {
  std::string address = "http://" + settings.info_address;
  return "<a href=\"" + address + "\">" + address + "</a>";
}

}  // namespace docbase
