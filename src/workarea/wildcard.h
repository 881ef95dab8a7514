// Wildcard patterns of the listings, copies and deletes, with letter case
// ignored as on the platform the run was designed for: "*" matches any run
// of bytes, "?" one byte; "*.*" matches every name, "*." the names that hold
// no dot, and "*.htm*" both ".htm" and ".html".
#pragma once

#include <string_view>

namespace docbase {

bool MatchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace docbase
