#include "platform/console_io.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace docbase {
namespace {

HANDLE Input() { return GetStdHandle(STD_INPUT_HANDLE); }
HANDLE Output() { return GetStdHandle(STD_OUTPUT_HANDLE); }

bool IsConsole(HANDLE handle) {
  DWORD mode;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// The console as the program found it, put back on every way out: its
// code pages, and the modes of its input and output. Kept where the console
// event handler sees them.
struct ConsoleAtStart {
  UINT input_code_page = 0;  // 0: not read (no console)
  UINT output_code_page = 0;
  bool input_mode_known = false;
  DWORD input_mode = 0;
  bool output_mode_known = false;
  DWORD output_mode = 0;
};
ConsoleAtStart g_at_start;
volatile LONG g_restore_pending = 0;

// The input mode before a RawKeyMode, to restore when it ends.
DWORD g_saved_mode = 0;
volatile LONG g_raw_mode = 0;

// Whether the output console took the escape-processing mode.
bool g_escapes_interpreted = false;

void RestoreRawMode() {
  if (InterlockedExchange(&g_raw_mode, 0)) SetConsoleMode(Input(), g_saved_mode);
}

void RestoreConsole() {
  RestoreRawMode();
  if (!InterlockedExchange(&g_restore_pending, 0)) return;
  if (g_at_start.input_mode_known) {
    SetConsoleMode(Input(), g_at_start.input_mode);
  }
  if (g_at_start.output_mode_known) {
    SetConsoleMode(Output(), g_at_start.output_mode);
  }
  if (g_at_start.input_code_page != 0) {
    SetConsoleCP(g_at_start.input_code_page);
  }
  if (g_at_start.output_code_page != 0) {
    SetConsoleOutputCP(g_at_start.output_code_page);
  }
}

// Ctrl+C, Ctrl+Break, a closed window, log-off and shut-down.
BOOL WINAPI RestoreOnEvent(DWORD) {
  RestoreConsole();
  return FALSE;  // the default handling ends the process
}

void InstallRestoreHandlers() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  std::atexit(RestoreConsole);
  SetConsoleCtrlHandler(RestoreOnEvent, TRUE);
}

// Whether the console's input holds a key press that gives a character.
bool ConsoleHasCharacter() {
  INPUT_RECORD records[64];
  DWORD count = 0;
  if (!PeekConsoleInputW(Input(), records, 64, &count)) return false;
  for (DWORD i = 0; i < count; ++i) {
    const INPUT_RECORD& record = records[i];
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown &&
        record.Event.KeyEvent.uChar.UnicodeChar != 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

void PrepareConsole() {
  g_at_start.input_code_page = GetConsoleCP();
  g_at_start.output_code_page = GetConsoleOutputCP();
  g_at_start.input_mode_known = GetConsoleMode(Input(), &g_at_start.input_mode);
  g_at_start.output_mode_known =
      GetConsoleMode(Output(), &g_at_start.output_mode);
  InterlockedExchange(&g_restore_pending, 1);
  InstallRestoreHandlers();
  SetConsoleOutputCP(CP_UTF8);
  SetConsoleCP(CP_UTF8);
  if (g_at_start.output_mode_known) {
    // Escape sequences are interpreted, not shown, where the console can;
    // the screen clear does not rely on it (see ClearTerminal).
    DWORD mode = g_at_start.output_mode | ENABLE_PROCESSED_OUTPUT |
                 ENABLE_VIRTUAL_TERMINAL_PROCESSING;
    DWORD now = 0;
    g_escapes_interpreted =
        SetConsoleMode(Output(), mode) && GetConsoleMode(Output(), &now) &&
        (now & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
  }
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // The C runtime buffers standard error when it is not a console; each
  // line must come out when it is written, among the console's lines.
  std::setvbuf(stderr, nullptr, _IONBF, 0);
}

bool StdinIsTerminal() { return IsConsole(Input()); }
bool StdoutIsTerminal() { return IsConsole(Output()); }

int64_t ReadStdin(void* data, size_t size) {
  DWORD got = 0;
  DWORD wanted = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
  if (!ReadFile(Input(), data, wanted, &got, nullptr)) return 0;
  return got;
}

void WriteStdout(std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD done = 0;
    DWORD piece =
        static_cast<DWORD>(bytes.size() < (1u << 30) ? bytes.size() : (1u << 30));
    if (!WriteFile(Output(), bytes.data(), piece, &done, nullptr) || done == 0) {
      return;  // a closed console: nothing more can be shown
    }
    bytes.remove_prefix(done);
  }
}

bool StdinReadyWithin(int milliseconds) {
  HANDLE input = Input();
  if (IsConsole(input)) {
    DWORD waited = 0;
    for (;;) {
      if (ConsoleHasCharacter()) return true;
      if (waited >= static_cast<DWORD>(milliseconds)) return false;
      Sleep(5);
      waited += 5;
    }
  }
  DWORD available = 0;
  if (PeekNamedPipe(input, nullptr, 0, nullptr, &available, nullptr)) {
    if (available > 0) return true;
    Sleep(static_cast<DWORD>(milliseconds));
    return PeekNamedPipe(input, nullptr, 0, nullptr, &available, nullptr) &&
           available > 0;
  }
  return true;  // a file: its bytes are there
}

void ClearTerminal() {
  // The console's own calls come first: they clear every console, while a
  // console may take the escape-processing mode and still show the
  // sequence as text (Wine's console window does).
  HANDLE output = Output();
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (GetConsoleScreenBufferInfo(output, &info)) {
    const COORD origin = {0, 0};
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) *
                        static_cast<DWORD>(info.dwSize.Y);
    DWORD done = 0;
    FillConsoleOutputCharacterW(output, L' ', cells, origin, &done);
    FillConsoleOutputAttribute(output, info.wAttributes, cells, origin, &done);
    SetConsoleCursorPosition(output, origin);
    return;
  }
  if (g_escapes_interpreted) WriteStdout("\x1b[H\x1b[2J");
}

int TerminalColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(Output(), &info)) return 0;
  return info.srWindow.Right - info.srWindow.Left + 1;
}

RawKeyMode::RawKeyMode() {
  if (!GetConsoleMode(Input(), &g_saved_mode)) return;
  InstallRestoreHandlers();
  // No line editing and no echo; escape sequences for the extended keys, as
  // a POSIX terminal sends them.
  DWORD raw = (g_saved_mode & ~static_cast<DWORD>(ENABLE_LINE_INPUT |
                                                  ENABLE_ECHO_INPUT)) |
              ENABLE_VIRTUAL_TERMINAL_INPUT;
  InterlockedExchange(&g_raw_mode, 1);
  if (!SetConsoleMode(Input(), raw)) {
    SetConsoleMode(Input(), raw & ~static_cast<DWORD>(ENABLE_VIRTUAL_TERMINAL_INPUT));
  }
}

RawKeyMode::~RawKeyMode() { RestoreRawMode(); }

}  // namespace docbase
