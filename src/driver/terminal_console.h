// The console of the real program, on standard input and output.
//
// On a terminal, keys are read one at a time without echo and without
// waiting for Enter (raw mode only for the length of one key read; the
// saved terminal settings are put back on return, at exit and on the
// signals that end the process). An escape sequence is one extended key.
//
// When standard input is a pipe or a file, every byte is a key except CR and
// LF, a key takes one line end that directly follows it, and a typed line
// runs up to LF. At the end of the input every read returns at once.
// Waiting always blocks; nothing polls.
#pragma once

#include "driver/console.h"

namespace docbase {

class TerminalConsole : public Console {
 public:
  TerminalConsole();

  Key ReadKey() override;
  std::optional<std::string> ReadLine() override;
  void Clear() override;
  int Width() const override;
  bool EchoesLineEnd() const override;

 protected:
  void Output(std::string_view bytes) override;

 private:
  int NextByte();
  int PeekByte();
  bool ByteArrivesSoon();  // more bytes within a few milliseconds
  Key ReadTerminalKey();

  bool input_is_terminal_;
  bool output_is_terminal_;
  char buffer_[4096];
  size_t begin_ = 0;
  size_t end_ = 0;
  bool at_end_ = false;
};

}  // namespace docbase
