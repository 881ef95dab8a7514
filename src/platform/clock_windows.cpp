#include "platform/clock.h"

namespace docbase {

std::tm UtcTime(std::time_t moment) {
  std::tm parts{};
  gmtime_s(&parts, &moment);
  return parts;
}

std::tm LocalTime(std::time_t moment) {
  std::tm parts{};
  localtime_s(&parts, &moment);
  return parts;
}

}  // namespace docbase
