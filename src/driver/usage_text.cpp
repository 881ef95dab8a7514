#include "driver/usage_text.h"

#include <string>

#include "build_settings.h"
#include "driver/option_table.h"
#include "driver/shell_text.h"

namespace docbase {

namespace {

// The usage, in the shared words of driver/shell_text.h.
constexpr char kUsage[] =
    "usage: docbase [-C DIR] [--yes] [--address ADDR] [--site SITE]\n"
    "               [--info-address ADDR] [--search-host HOST]\n"
    "               [--group-size N] [--layout classic|modern] [-j N]\n"
    "               [--encoding NAME]\n"
    "       docbase -h | --help | --version\n"
    "\n"
    "Run in a folder of its own that holds txt_in{/} with UTF-8 *.txt files:\n"
    "docbase indexes every word and writes a linked HTML document base to\n"
    "htm_out{/} (open htm_out{/}index.htm).\n"
    "\n"
    "WARNING: a run deletes every *.txt, *.list and *.htm* file of the\n"
    "folder it runs in (txt_in{/} itself is only read).\n"
    "\n"
    "Without options it asks its questions on the console; answers may also\n"
    "come through a pipe, one per line:\n"
    "{piped answers}"
    "or given on the command line, reading nothing from standard input:\n"
    "  docbase -C {folder} --yes --address www.example.org\n"
    "\n";

// The option lines, one row of the option table each: its names and value
// after two blanks, then its help from this column, on the next line when
// the names reach it; the further lines of the help start there too.
constexpr size_t kHelpColumn = 23;

std::string OptionLines() {
  const std::string indent(kHelpColumn, ' ');
  std::string lines;
  for (const OptionRow& row : OptionRows()) {
    std::string names = "  ";
    if (!row.short_name.empty()) {
      names += std::string(row.short_name) + ", ";
    }
    names += row.long_name;
    if (row.takes_value()) names += " " + std::string(row.value_name);
    lines += names;
    if (names.size() < indent.size()) {
      lines += std::string(indent.size() - names.size(), ' ');
    } else {
      lines += "\n" + indent;
    }
    for (char c : row.help) {
      lines += c;
      if (c == '\n') lines += indent;
    }
    lines += "\n";
  }
  return lines;
}

}  // namespace

std::string UsageText(const ShellTerms& terms) {
  return InShellTerms(kUsage + OptionLines(), terms);
}

std::string VersionText(const ShellTerms& terms) {
  const std::string text =
      std::string("docbase ") + build::kVersion + "\n" +
      "program name:        " + build::kProgramNameSetting + "\n" +
      "information address: " + build::kInfoAddress + "\n" +
      "search host:         " + build::kSearchHost + "\n";
  return WithLineEnds(text, terms);
}

}  // namespace docbase
