#include "driver/command_line.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/text.h"
#include "driver/target_site.h"
#include "platform/file_system.h"
#include "platform/path.h"

namespace docbase {

namespace {

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
