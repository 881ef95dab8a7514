// docbase: turns the text files of txt_in into a cross-linked HTML document
// base in htm_out. Without arguments it runs in the current directory; the
// only arguments it knows are --help and --version, and any other argument
// is refused before the folder is touched.
#include <cstdio>
#include <cstring>

#include "build_settings.h"
#include "driver/run_driver.h"
#include "driver/run_lock.h"
#include "driver/run_state.h"
#include "driver/terminal_console.h"
#include "workarea/work_area.h"

namespace {

constexpr char kUsage[] =
    "usage: docbase [--help | --version]\n"
    "\n"
    "Run without arguments in a folder of its own that holds txt_in/ with\n"
    "UTF-8 *.txt files: docbase indexes every word and writes a linked HTML\n"
    "document base to htm_out/ (open htm_out/index.htm).\n"
    "\n"
    "WARNING: a run deletes every *.txt, *.list and *.htm* file of the\n"
    "folder it runs in (txt_in/ itself is only read).\n"
    "\n"
    "Answers may come through a pipe, one per line, for example:\n"
    "  printf '1\\n1\\n1\\n1\\nwww.example.org\\n' | docbase\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
      std::printf("docbase %s\n", docbase::build::kVersion);
      return 0;
    }
    std::fprintf(stderr, "docbase: unknown argument '%s'\n\n", argv[1]);
    std::fputs(kUsage, stderr);
    return 2;
  }
  docbase::TerminalConsole console;
  docbase::WorkArea area;
  // One run at a time per folder; the lock comes before anything else
  // touches the folder.
  docbase::RunLock lock;
  docbase::Status locked = lock.Acquire(area.Path(docbase::kRunLockName));
  if (!locked.ok()) return docbase::FinishRun(locked, console);
  if (!lock.held()) {
    docbase::ReportRunInProgress(console);
    return 1;
  }
  docbase::RunState state =
      docbase::RunStateFromBuildSettings(argc > 0 ? argv[0] : "docbase");
  docbase::Status outcome = docbase::RunDocbase(area, state, console);
  lock.Release();
  return docbase::FinishRun(outcome, console);
}
