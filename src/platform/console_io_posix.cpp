#include "platform/console_io.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace docbase {
namespace {

// The settings to restore, visible to the signal handler.
struct termios g_saved_settings;
volatile sig_atomic_t g_raw_mode = 0;

void RestoreTerminal() {
  if (g_raw_mode) {
    tcsetattr(STDIN_FILENO, TCSANOW, &g_saved_settings);
    g_raw_mode = 0;
  }
}

void RestoreAndReraise(int signal_number) {
  RestoreTerminal();
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

void InstallRestoreHandlers() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  std::atexit(RestoreTerminal);
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP}) {
    struct sigaction action {};
    action.sa_handler = RestoreAndReraise;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(signal_number, &action, nullptr);
  }
}

}  // namespace

void PrepareConsole() {}

void ClearTerminal() { WriteStdout("\x1b[H\x1b[2J"); }

bool StdinIsTerminal() { return isatty(STDIN_FILENO) == 1; }
bool StdoutIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

int64_t ReadStdin(void* data, size_t size) {
  for (;;) {
    ssize_t got = ::read(STDIN_FILENO, data, size);
    if (got < 0 && errno == EINTR) continue;
    return got < 0 ? 0 : got;
  }
}

void WriteStdout(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t done = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return;  // a closed console: nothing more can be shown
    bytes.remove_prefix(static_cast<size_t>(done));
  }
}

bool StdinReadyWithin(int milliseconds) {
  struct pollfd waiting {
    STDIN_FILENO, POLLIN, 0
  };
  return poll(&waiting, 1, milliseconds) > 0;
}

int TerminalColumns() {
  struct winsize size {};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0) return size.ws_col;
  return 0;
}

RawKeyMode::RawKeyMode() {
  if (tcgetattr(STDIN_FILENO, &g_saved_settings) != 0) return;
  InstallRestoreHandlers();
  struct termios raw = g_saved_settings;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  g_raw_mode = 1;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

RawKeyMode::~RawKeyMode() { RestoreTerminal(); }

}  // namespace docbase
