#include "driver/terminal_console.h"

#include "driver/piped_input.h"
#include "platform/console_io.h"

namespace docbase {

TerminalConsole::TerminalConsole()
    : input_is_terminal_(StdinIsTerminal()),
      output_is_terminal_(StdoutIsTerminal()) {}

void TerminalConsole::Output(std::string_view bytes) { WriteStdout(bytes); }

int TerminalConsole::NextByte() {
  int byte = PeekByte();
  if (byte >= 0) ++begin_;
  return byte;
}

int TerminalConsole::PeekByte() {
  while (begin_ == end_ && !at_end_) {
    int64_t got = ReadStdin(buffer_, sizeof buffer_);
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
  return StdinReadyWithin(30);
}

Key TerminalConsole::ReadTerminalKey() {
  RawKeyMode raw;
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
  if (output_is_terminal_) ClearTerminal();
}

int TerminalConsole::Width() const {
  if (!output_is_terminal_) return 80;
  int columns = TerminalColumns();
  return columns > 0 ? columns : 80;
}

bool TerminalConsole::EchoesLineEnd() const {
  return input_is_terminal_ && output_is_terminal_;
}

}  // namespace docbase
