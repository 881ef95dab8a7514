// docbase: turns the text files of txt_in into a cross-linked HTML document
// base in htm_out. Without arguments it runs in the current directory and
// asks its questions on the console; the options (driver/command_line.h)
// name another directory, give the answers up front and replace the
// build-time settings for one run. A command line that is refused, or a -C
// folder that cannot be entered, ends the program with status 2 before any
// folder is touched.
#include <cstdio>
#include <string>
#include <vector>

#include "driver/command_line.h"
#include "driver/preset_console.h"
#include "driver/run_driver.h"
#include "driver/run_lock.h"
#include "driver/run_state.h"
#include "driver/shell_text.h"
#include "driver/terminal_console.h"
#include "driver/usage_text.h"
#include "platform/arguments.h"
#include "platform/console_io.h"
#include "platform/shell_terms.h"
#include "run/parallel_tasks.h"
#include "workarea/file_names.h"
#include "workarea/work_area.h"

int main(int argc, char** argv) {
  docbase::PrepareConsole();
  std::vector<std::string> all_arguments = docbase::Utf8Arguments(argc, argv);
  const std::string program =
      all_arguments.empty() ? std::string("docbase") : all_arguments.front();
  std::vector<std::string> arguments(
      all_arguments.begin() + (all_arguments.empty() ? 0 : 1),
      all_arguments.end());
  docbase::CommandLine command_line = docbase::ParseCommandLine(arguments);
  const docbase::ShellTerms& terms = docbase::NativeShellTerms();
  if (!command_line.error.empty()) {
    std::string message = docbase::MessageLine(command_line.error, terms);
    if (!command_line.refused_value) {
      message += terms.line_end;
      message += docbase::UsageText();
    }
    std::fputs(message.c_str(), stderr);
    return 2;
  }
  if (command_line.action == docbase::CommandLine::Action::kHelp) {
    std::fputs(docbase::UsageText().c_str(), stdout);
    return 0;
  }
  if (command_line.action == docbase::CommandLine::Action::kVersion) {
    std::fputs(docbase::VersionText().c_str(), stdout);
    return 0;
  }
  // The program directory is the current one from here on: every path the
  // run prints or probes, the run lock included, sees it.
  std::string entered = docbase::EnterDirectories(command_line.directories);
  if (!entered.empty()) {
    std::fputs(docbase::MessageLine(entered, terms).c_str(), stderr);
    return 2;
  }

  docbase::TerminalConsole terminal;
  docbase::PresetConsole console(terminal, command_line.yes,
                                 command_line.address);
  docbase::WorkArea area = docbase::WorkArea::CurrentDirectory();
  // One run at a time per folder; the lock comes before anything else
  // touches the folder.
  docbase::RunLock lock;
  docbase::Status locked = lock.Acquire(area.Path(docbase::RunLockFile()));
  if (!locked.ok()) return docbase::FinishRun(locked, console);
  if (!lock.held()) {
    docbase::ReportRunInProgress(console);
    return 1;
  }
  docbase::RunState state =
      docbase::RunStateFromBuildSettings(program, command_line.settings);
  state.settings.jobs =
      command_line.jobs > 0 ? command_line.jobs : docbase::DefaultJobs();
  state.code_page = command_line.code_page;
  docbase::RunStep outcome = docbase::RunDocbase(area, state, console);
  lock.Release();
  return docbase::FinishRun(outcome, console);
}
