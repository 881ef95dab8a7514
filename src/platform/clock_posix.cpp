#include "platform/clock.h"

namespace docbase {

std::tm UtcTime(std::time_t moment) {
  std::tm parts{};
  gmtime_r(&moment, &parts);
  return parts;
}

std::tm LocalTime(std::time_t moment) {
  std::tm parts{};
  localtime_r(&moment, &parts);
  return parts;
}

}  // namespace docbase
