#include "driver/scripted_console.h"

namespace docbase {

Key ScriptedConsole::ReadKey() {
  ++key_reads_;
  auto next = [this]() -> int {
    if (position_ >= input_.size()) return -1;
    return static_cast<unsigned char>(input_[position_++]);
  };
  auto peek = [this]() -> int {
    if (position_ >= input_.size()) return -1;
    return static_cast<unsigned char>(input_[position_]);
  };
  return ReadPipedKey(next, peek);
}

std::optional<std::string> ScriptedConsole::ReadLine() {
  return ReadPipedLine([this]() -> int {
    if (position_ >= input_.size()) return -1;
    return static_cast<unsigned char>(input_[position_++]);
  });
}

}  // namespace docbase
