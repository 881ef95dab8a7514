// The date and time lines of the generated pages. They show the local clock
// at the moment the run reads it (once, so every page shows the same),
// unless the environment variable SOURCE_DATE_EPOCH holds a number of
// seconds: that moment, in UTC, is used instead so that a run can be
// reproduced byte for byte.
#pragma once

#include <string>

namespace docbase {

struct DateTimeText {
  std::string date;  // mm-dd-yyyy
  std::string time;  // hh:mm:ss, 24-hour clock
};

DateTimeText CurrentDateTime();

// The same texts for a given moment, in UTC.
DateTimeText DateTimeAtEpoch(long long seconds);

}  // namespace docbase
