// The failure of the last system call on this thread, made into a Status
// at the point of failure, in the words of the system: errno on POSIX,
// GetLastError on Windows. Only the sources of the platform layer include
// this header; everything above it sees the Status alone.
#pragma once

#include <filesystem>
#include <string>

#include "base/status.h"

namespace docbase {

// The last failure as a Status naming `path` (NotFound for a missing name
// or folder on the way, else an I/O error), its reason the system's text.
Status LastError(const std::filesystem::path& path);

// The system's text for the last failure alone.
std::string LastSystemErrorText();

// What kind of failure the last one was, for the calls that treat some
// failures as expected.
bool LastErrorIsMissingFile();   // no such file or folder on the way
bool LastErrorIsDiskFailure();   // full, over quota, read-only or failing

// Makes the last failure read as a full disk (a write that took no bytes
// without saying why).
void SetDiskFullError();

}  // namespace docbase
