// The failure of the last platform call on this thread, in the words of the
// system: errno on POSIX, GetLastError on Windows. Every function of the
// platform layer that returns false leaves its reason here, to be read at
// once, before any other call can replace it.
#pragma once

#include <string>
#include <string_view>

#include "base/status.h"

namespace docbase {

// An I/O error naming `path`, with the reason "action: system's text".
Status SystemError(std::string_view path, std::string_view action);

// The system's text for the last failure alone.
std::string LastSystemErrorText();

// What kind of failure the last one was, for the callers that treat some
// failures as expected.
bool LastErrorIsMissingFile();   // no such file or folder on the way
bool LastErrorIsDiskFailure();   // full, over quota, read-only or failing

// Makes the next SystemError read as a full disk (a write that took no
// bytes without saying why).
void SetDiskFullError();

}  // namespace docbase
