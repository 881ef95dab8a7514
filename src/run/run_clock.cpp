#include "run/run_clock.h"

#include <cstdio>
#include <ctime>
#include <optional>

#include "base/text.h"
#include "platform/clock.h"
#include "platform/environment.h"

namespace docbase {
namespace {

DateTimeText Format(const std::tm& moment) {
  char date[32];
  char time[32];
  std::snprintf(date, sizeof date, "%02d-%02d-%04d", moment.tm_mon + 1,
                moment.tm_mday, moment.tm_year + 1900);
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", moment.tm_hour,
                moment.tm_min, moment.tm_sec);
  return {date, time};
}

}  // namespace

DateTimeText DateTimeAtEpoch(long long seconds) {
  std::time_t moment = static_cast<std::time_t>(seconds);
  return Format(UtcTime(moment));
}

DateTimeText CurrentDateTime() {
  if (std::optional<std::string> fixed =
          EnvironmentValue("SOURCE_DATE_EPOCH")) {
    uint64_t seconds = 0;
    if (ParseCount(*fixed, &seconds)) {
      return DateTimeAtEpoch(static_cast<long long>(seconds));
    }
  }
  std::time_t now = std::time(nullptr);
  return Format(LocalTime(now));
}

}  // namespace docbase
