#include "driver/terminal_console.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "driver/piped_input.h"

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

// Raw mode for the lifetime of one key read.
class RawMode {
 public:
  RawMode() {
    if (tcgetattr(STDIN_FILENO, &g_saved_settings) != 0) return;
    InstallRestoreHandlers();
    struct termios raw = g_saved_settings;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    g_raw_mode = 1;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  }
  ~RawMode() { RestoreTerminal(); }
};

}  // namespace

TerminalConsole::TerminalConsole()
    : input_is_terminal_(isatty(STDIN_FILENO) == 1),
      output_is_terminal_(isatty(STDOUT_FILENO) == 1) {}

void TerminalConsole::Output(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t done = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return;  // a closed console: nothing more can be shown
    bytes.remove_prefix(static_cast<size_t>(done));
  }
}

int TerminalConsole::NextByte() {
  int byte = PeekByte();
  if (byte >= 0) ++begin_;
  return byte;
}

int TerminalConsole::PeekByte() {
  while (begin_ == end_ && !at_end_) {
    ssize_t got = ::read(STDIN_FILENO, buffer_, sizeof buffer_);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      at_end_ = true;
      break;
    }
    begin_ = 0;
    end_ = static_cast<size_t>(got);
  }
  if (begin_ == end_) return -1;
  return static_cast<unsigned char>(buffer_[begin_]);
}

bool TerminalConsole::ByteArrivesSoon() {
  if (begin_ < end_) return true;
  struct pollfd waiting {
    STDIN_FILENO, POLLIN, 0
  };
  return poll(&waiting, 1, 30) > 0;
}

Key TerminalConsole::ReadTerminalKey() {
  RawMode raw;
  for (;;) {
    int byte = NextByte();
    if (byte < 0) return Key{Key::Kind::kEndOfInput, 0};
    if (byte == '\r' || byte == '\n') continue;
    if (byte != 0x1b || !ByteArrivesSoon()) {
      return Key{Key::Kind::kChar, static_cast<char>(byte)};
    }
    // An escape sequence: ESC [ parameters final-byte, or ESC O x.
    int second = NextByte();
    if (second == '[') {
      int next = NextByte();
      while (next >= 0 && !(next >= 0x40 && next <= 0x7e)) next = NextByte();
    } else if (second == 'O') {
      NextByte();
    }
    return Key{Key::Kind::kExtended, 0};
  }
}

Key TerminalConsole::ReadKey() {
  if (input_is_terminal_) return ReadTerminalKey();
  return ReadPipedKey([this] { return NextByte(); },
                      [this] { return PeekByte(); });
}

std::optional<std::string> TerminalConsole::ReadLine() {
  return ReadPipedLine([this] { return NextByte(); });
}

void TerminalConsole::Clear() {
  if (output_is_terminal_) Output("\x1b[H\x1b[2J");
}

int TerminalConsole::Width() const {
  if (!output_is_terminal_) return 80;
  struct winsize size {};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
    return size.ws_col;
  }
  return 80;
}

bool TerminalConsole::EchoesLineEnd() const {
  return input_is_terminal_ && output_is_terminal_;
}

}  // namespace docbase
