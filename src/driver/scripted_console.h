// A console for tests: keys and typed lines come from a script given in
// advance, output is captured in memory. It reads its script with the same
// rules as a pipe (see TerminalConsole): every byte is a key except CR and
// LF, a key takes one line end that follows it, and ReadLine reads up to LF.
#pragma once

#include <string>

#include "driver/console.h"
#include "driver/piped_input.h"

namespace docbase {

class ScriptedConsole : public Console {
 public:
  explicit ScriptedConsole(std::string input = {}, int width = 80)
      : input_(std::move(input)), width_(width) {}

  Key ReadKey() override;
  std::optional<std::string> ReadLine() override;
  void Clear() override { ++clears_; }
  int Width() const override { return width_; }
  bool EchoesLineEnd() const override { return false; }

  const std::string& output() const { return output_; }
  int clears() const { return clears_; }
  // How many keys were read, including end-of-input answers.
  int key_reads() const { return key_reads_; }
  size_t unread() const { return input_.size() - position_; }

 protected:
  void Output(std::string_view bytes) override { output_.append(bytes); }

 private:
  std::string input_;
  size_t position_ = 0;
  int width_;
  std::string output_;
  int clears_ = 0;
  int key_reads_ = 0;
};

}  // namespace docbase
