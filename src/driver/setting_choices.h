// The settings a run may be given on the command line in place of the ones
// the program was built with: the three build-time texts, the size of the
// page groups and the page layout. Each is unset unless its option was given, and an unset
// one keeps the built-in value (for the group size: the number of input
// files). The command line fills them; the run state takes them over once
// at start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace docbase {

// The page layouts --layout names (html/layout.h): classic, the pages as
// they have always been written, or modern, pages that browsers lay out at
// once.
enum class PageLayout { kClassic, kModern };

struct SettingChoices {
  // --site SITE gives SITE + ".bas".
  std::optional<std::string> program_name_setting;
  std::optional<std::string> info_address;
  std::optional<std::string> search_host;
  // Pages per page group; 2 or more when set.
  std::optional<int64_t> group_size;
  // --layout; unset gives the classic pages.
  std::optional<PageLayout> layout;
};

}  // namespace docbase
