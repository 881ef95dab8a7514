#include "driver/usage_text.h"

#include "build_settings.h"
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
    "\n"
    "  -C, --directory DIR  run in DIR, as if started there\n"
    "  --yes                answer the menus 1 and end without a final key\n"
    "  --address ADDR       web address to narrow searches to ({''} for none)\n"
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

}  // namespace

std::string UsageText(const ShellTerms& terms) {
  return InShellTerms(kUsage, terms);
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
