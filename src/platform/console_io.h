// The standard input and output of the process, as the console of a run
// uses them: raw bytes both ways (no line-end translation), whether each is
// a terminal, the terminal's width, and single key presses without echo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace docbase {

// Called once at start: on Windows the console is switched to UTF-8 (code
// page 65001) with escape sequences interpreted on output, the standard
// streams to binary, and standard error to unbuffered (as on POSIX); the
// code pages and console modes found are put back on every way out (the
// end of the process, Ctrl+C, Ctrl+Break, a closed window). Nothing on
// POSIX.
void PrepareConsole();

bool StdinIsTerminal();
bool StdoutIsTerminal();

// Up to `size` bytes of standard input: the count, 0 at its end (or when it
// cannot be read any more).
int64_t ReadStdin(void* data, size_t size);
// All of `bytes`, or as many as a closed console takes.
void WriteStdout(std::string_view bytes);

// Whether a byte of standard input is there, or arrives within
// `milliseconds`.
bool StdinReadyWithin(int milliseconds);

// Clears the terminal on standard output and puts the cursor at its top
// left: the escape sequence ESC [H ESC [2J on POSIX; the console's own
// calls on Windows, so that no escape sequence ever shows. Only for a
// standard output that is a terminal.
void ClearTerminal();

// The terminal's column count, or 0 when it cannot be told.
int TerminalColumns();

// While one lives, a terminal on standard input gives each key press at
// once and without echo. The settings before are put back when it ends, at
// exit, and on the signals (or console events) that end the process.
class RawKeyMode {
 public:
  RawKeyMode();
  ~RawKeyMode();
  RawKeyMode(const RawKeyMode&) = delete;
  RawKeyMode& operator=(const RawKeyMode&) = delete;
};

}  // namespace docbase
