// The hint a classic run gives on standard error when it has written a page
// so large that browsers open it slowly or not at all: the specified page
// format lays out in time that grows faster than the page, and Chromium
// gives up on pages of a few tens of MB. The console transcript (standard
// output) is not touched.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/shell_terms.h"

namespace docbase {

// Pages above this size get the hint.
inline constexpr uint64_t kLargePageBytes = 20ull << 20;

// One line (ending in the platform's line end) naming the largest file of
// `output_folder` over kLargePageBytes and what makes the pages open at
// once; empty when there is none (or the folder cannot be listed).
std::string LargePageHint(const std::filesystem::path& output_folder,
                          const ShellTerms& terms = NativeShellTerms());

}  // namespace docbase
