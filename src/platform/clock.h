// The broken-down calendar time of a moment, in UTC or in the local time
// zone (thread-safe forms of gmtime and localtime).
#pragma once

#include <ctime>

namespace docbase {

std::tm UtcTime(std::time_t moment);
std::tm LocalTime(std::time_t moment);

}  // namespace docbase
