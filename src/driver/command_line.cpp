#include "driver/command_line.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base/text.h"
#include "build_settings.h"
#include "driver/target_site.h"
#include "platform/file_system.h"
#include "platform/path.h"
#include "platform/shell_examples.h"

namespace docbase {

namespace {

constexpr char kUsageHead[] =
    "usage: docbase [-C DIR] [--yes] [--address ADDR] [--site SITE]\n"
    "               [--info-address ADDR] [--search-host HOST]\n"
    "               [--group-size N] [--layout classic|modern] [-j N]\n"
    "               [--encoding NAME]\n"
    "       docbase -h | --help | --version\n"
    "\n"
    "Run in a folder of its own that holds txt_in/ with UTF-8 *.txt files:\n"
    "docbase indexes every word and writes a linked HTML document base to\n"
    "htm_out/ (open htm_out/index.htm).\n"
    "\n"
    "WARNING: a run deletes every *.txt, *.list and *.htm* file of the\n"
    "folder it runs in (txt_in/ itself is only read).\n"
    "\n"
    "Without options it asks its questions on the console; answers may also\n"
    "come through a pipe, one per line:\n";
// Then the platform's example of piped answers.
constexpr char kUsagePresetAnswers[] =
    "or given on the command line, reading nothing from standard input:\n";
// Then the platform's example of a run with every answer given.
constexpr char kUsageOptions[] =
    "\n"
    "  -C, --directory DIR  run in DIR, as if started there\n"
    "  --yes                answer the menus 1 and end without a final key\n"
    "  --address ADDR       web address to narrow searches to ('' for none)\n"
    "  --site SITE          the site every word's search link is narrowed to\n"
    "                       (www.SITE, http.SITE or https.SITE; default: the\n"
    "                       built-in one, see --version)\n"
    "  --info-address ADDR  the information address on screens and pages\n"
    "  --search-host HOST   the host of every web-search link\n"
    "  --group-size N       N pages (2 or more) per word-index and search\n"
    "                       page instead of the number of texts, so that a\n"
    "                       large collection gives pages a browser can open\n"
    "  --layout classic|modern\n"
    "                       classic (default): the pages as they have always\n"
    "                       been; modern: the same words and links in HTML5\n"
    "                       pages every browser opens at once, at any size,\n"
    "                       with about 200 KB of text per page group unless\n"
    "                       --group-size is given (choose it for large\n"
    "                       collections and for Chromium or Edge)\n"
    "  -j, --jobs N         threads to use (default: one per core)\n"
    "  --encoding NAME      read texts that are not UTF-8 in the code page\n"
    "                       NAME (windows-1250 .. windows-1258, iso-8859-1,\n"
    "                       iso-8859-15) instead of keeping their bytes\n"
    "  -h, --help           show this text and exit\n"
    "  --version            show the version and build settings and exit\n";

// Splits "--name=value" into its name and value; other arguments have none.
std::optional<std::string_view> InlineValue(std::string_view* argument) {
  if (!argument->starts_with("--")) return std::nullopt;
  size_t equals = argument->find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view value = argument->substr(equals + 1);
  *argument = argument->substr(0, equals);
  return value;
}

// The program name setting for --site SITE, or nullopt (with the reason in
// *error) when the name would give no target site.
std::optional<std::string> ProgramNameForSite(const std::string& site,
                                              std::string* error) {
  std::string name = site + ".bas";
  if (!DeriveTargetSite(name)) {
    *error = "--site '" + site +
             "' names no site: it must contain www., http. or https.";
    return std::nullopt;
  }
  return name;
}

// The page group size of --group-size TEXT, or nullopt (with the reason in
// *error) when TEXT is not a whole number of 2 or more.
std::optional<int64_t> GroupSizeOf(const std::string& text,
                                   std::string* error) {
  uint64_t size = 0;
  if (!ParseCount(text, &size) || size < 2 || size > INT64_MAX) {
    *error = "--group-size '" + text + "' is not a number of 2 or more";
    return std::nullopt;
  }
  return static_cast<int64_t>(size);
}

// The page layout named by TEXT, or nullopt (with the reason in *error).
std::optional<PageLayout> LayoutOf(const std::string& text,
                                   std::string* error) {
  if (text == "classic") return PageLayout::kClassic;
  if (text == "modern") return PageLayout::kModern;
  *error = "--layout '" + text + "' is not classic or modern";
  return std::nullopt;
}

// The value of -j: a whole number from 1 to 1024; 0 when it is not one.
int ParseJobs(std::string_view text) {
  if (text.empty() || text.size() > 4) return 0;
  int jobs = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    jobs = jobs * 10 + (c - '0');
  }
  return jobs <= 1024 ? jobs : 0;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool help = false;
  bool version = false;
  for (size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
    std::string_view argument = arguments[i];
    std::optional<std::string_view> value = InlineValue(&argument);
    // The value of an option that takes one: inline, or the next argument.
    auto take_value = [&](std::string* out) {
      if (value) {
        *out = *value;
      } else if (i + 1 < arguments.size()) {
        *out = arguments[++i];
      } else {
        line.error = "option '" + std::string(argument) + "' needs a value";
      }
    };
    auto no_value = [&] {
      if (value) {
        line.error = "option '" + std::string(argument) + "' takes no value";
      }
    };
    if (argument == "-C" || argument == "--directory") {
      std::string directory;
      take_value(&directory);
      line.directories.push_back(directory);
    } else if (argument.starts_with("-C")) {
      line.directories.emplace_back(argument.substr(2));
    } else if (argument == "--address") {
      std::string address;
      take_value(&address);
      line.address = address;
    } else if (argument == "--site") {
      std::string site;
      take_value(&site);
      if (line.error.empty()) {
        line.settings.program_name_setting =
            ProgramNameForSite(site, &line.error);
        line.refused_value = !line.error.empty();
      }
    } else if (argument == "--info-address") {
      std::string address;
      take_value(&address);
      line.settings.info_address = address;
    } else if (argument == "--search-host") {
      std::string host;
      take_value(&host);
      line.settings.search_host = host;
    } else if (argument == "--group-size") {
      std::string size;
      take_value(&size);
      if (line.error.empty()) {
        line.settings.group_size = GroupSizeOf(size, &line.error);
        line.refused_value = !line.error.empty();
      }
    } else if (argument == "--layout") {
      std::string layout;
      take_value(&layout);
      if (line.error.empty()) {
        line.settings.layout = LayoutOf(layout, &line.error);
        line.refused_value = !line.error.empty();
      }
    } else if (argument == "-j" || argument == "--jobs" ||
               (argument.starts_with("-j") && argument.size() > 2)) {
      std::string jobs(argument.substr(std::min<size_t>(2, argument.size())));
      if (argument.size() == 2 || argument == "--jobs") take_value(&jobs);
      line.jobs = ParseJobs(jobs);
      if (line.error.empty() && line.jobs == 0) {
        line.error = "option '-j' needs a number of threads from 1 to 1024";
        line.refused_value = true;
      }
    } else if (argument == "--encoding") {
      std::string name;
      take_value(&name);
      if (line.error.empty()) {
        line.code_page = FindCodePage(name);
        if (line.code_page == nullptr) {
          line.error = "--encoding '" + name +
                       "' is not windows-1250 .. windows-1258, iso-8859-1 "
                       "or iso-8859-15";
          line.refused_value = true;
        }
      }
    } else if (argument == "--yes") {
      no_value();
      line.yes = true;
    } else if (argument == "-h" || argument == "--help") {
      no_value();
      help = true;
    } else if (argument == "--version") {
      no_value();
      version = true;
    } else {
      line.error = "unknown argument '" + arguments[i] + "'";
    }
  }
  if (help) {
    line.action = CommandLine::Action::kHelp;
  } else if (version) {
    line.action = CommandLine::Action::kVersion;
  }
  return line;
}

std::string UsageText() {
  return std::string(kUsageHead) + std::string(PipedAnswersExample()) +
         kUsagePresetAnswers + std::string(PresetAnswersExample()) +
         kUsageOptions;
}

std::string VersionText() {
  return std::string("docbase ") + build::kVersion +
         "\n"
         "program name:        " +
         build::kProgramNameSetting +
         "\n"
         "information address: " +
         build::kInfoAddress +
         "\n"
         "search host:         " +
         build::kSearchHost + "\n";
}

std::string EnterDirectories(const std::vector<std::string>& directories) {
  for (const std::string& directory : directories) {
    if (Status entered = ChangeDirectory(PathFromUtf8(directory));
        !entered.ok()) {
      return "cannot run in '" + directory + "': " + entered.reason();
    }
  }
  return {};
}

}  // namespace docbase
