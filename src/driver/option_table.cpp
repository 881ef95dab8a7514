#include "driver/option_table.h"

#include <cstdint>

#include "base/text.h"
#include "driver/target_site.h"

namespace docbase {

namespace {

std::string TakeDirectory(std::string_view value, CommandLine* line) {
  line->directories.emplace_back(value);
  return {};
}

std::string TakeYes(std::string_view, CommandLine* line) {
  line->yes = true;
  return {};
}

std::string TakeAddress(std::string_view value, CommandLine* line) {
  line->address = std::string(value);
  return {};
}

// SITE + ".bas" must give a target site.
std::string TakeSite(std::string_view value, CommandLine* line) {
  std::string name = std::string(value) + ".bas";
  if (!DeriveTargetSite(name)) {
    return "--site '" + std::string(value) +
           "' names no site: it must contain www., http. or https.";
  }
  line->settings.program_name_setting = std::move(name);
  return {};
}

std::string TakeInfoAddress(std::string_view value, CommandLine* line) {
  line->settings.info_address = std::string(value);
  return {};
}

std::string TakeSearchHost(std::string_view value, CommandLine* line) {
  line->settings.search_host = std::string(value);
  return {};
}

// A whole number of 2 or more.
std::string TakeGroupSize(std::string_view value, CommandLine* line) {
  uint64_t size = 0;
  if (!ParseCount(value, &size) || size < 2 || size > INT64_MAX) {
    return "--group-size '" + std::string(value) +
           "' is not a number of 2 or more";
  }
  line->settings.group_size = static_cast<int64_t>(size);
  return {};
}

std::string TakeLayout(std::string_view value, CommandLine* line) {
  if (value == "classic") {
    line->settings.layout = PageLayout::kClassic;
  } else if (value == "modern") {
    line->settings.layout = PageLayout::kModern;
  } else {
    return "--layout '" + std::string(value) + "' is not classic or modern";
  }
  return {};
}

// A whole number from 1 to 1024, in at most four digits.
std::string TakeJobs(std::string_view value, CommandLine* line) {
  int jobs = 0;
  if (value.size() <= 4) {
    for (char c : value) {
      if (c < '0' || c > '9') {
        jobs = 0;
        break;
      }
      jobs = jobs * 10 + (c - '0');
    }
  }
  if (jobs < 1 || jobs > 1024) {
    return "option '-j' needs a number of threads from 1 to 1024";
  }
  line->jobs = jobs;
  return {};
}

std::string TakeEncoding(std::string_view value, CommandLine* line) {
  line->code_page = FindCodePage(value);
  if (line->code_page == nullptr) {
    return "--encoding '" + std::string(value) +
           "' is not windows-1250 .. windows-1258, iso-8859-1 or "
           "iso-8859-15";
  }
  return {};
}

// --help wins over --version, whatever their order.
std::string TakeHelp(std::string_view, CommandLine* line) {
  line->action = CommandLine::Action::kHelp;
  return {};
}

std::string TakeVersion(std::string_view, CommandLine* line) {
  if (line->action != CommandLine::Action::kHelp) {
    line->action = CommandLine::Action::kVersion;
  }
  return {};
}

constexpr OptionRow kRows[] = {
    {"-C", "--directory", "DIR", "run in DIR, as if started there",
     TakeDirectory},
    {"", "--yes", "", "answer the menus 1 and end without a final key",
     TakeYes},
    {"", "--address", "ADDR",
     "web address to narrow searches to ({''} for none)", TakeAddress},
    {"", "--site", "SITE",
     "the site every word's search link is narrowed to\n"
     "(www.SITE, http.SITE or https.SITE; default: the\n"
     "built-in one, see --version)",
     TakeSite},
    {"", "--info-address", "ADDR",
     "the information address on screens and pages", TakeInfoAddress},
    {"", "--search-host", "HOST", "the host of every web-search link",
     TakeSearchHost},
    {"", "--group-size", "N",
     "N pages (2 or more) per word-index and search\n"
     "page instead of the number of texts, so that a\n"
     "large collection gives pages a browser can open",
     TakeGroupSize},
    {"", "--layout", "classic|modern",
     "classic (default): the pages as they have always\n"
     "been, a text's own markup run in the reader's\n"
     "browser: publish classic pages only of texts you\n"
     "trust; modern: the same words and links in small\n"
     "HTML5 pages every browser opens at once, texts\n"
     "shown as written, about 200 KB of text per page\n"
     "group unless --group-size is given",
     TakeLayout},
    {"-j", "--jobs", "N", "threads to use (default: one per core)", TakeJobs},
    {"", "--encoding", "NAME",
     "read texts that are not UTF-8 in the code page\n"
     "NAME (windows-1250 .. windows-1258, iso-8859-1,\n"
     "iso-8859-15) instead of keeping their bytes",
     TakeEncoding},
    {"-h", "--help", "", "show this text and exit", TakeHelp},
    {"", "--version", "", "show the version and build settings and exit",
     TakeVersion},
};

}  // namespace

std::span<const OptionRow> OptionRows() { return kRows; }

}  // namespace docbase
