#include "driver/preset_console.h"

#include "driver/piped_input.h"

namespace docbase {

Key PresetConsole::ReadKey() {
  if (yes_) return Key{Key::Kind::kChar, '1'};
  return console_.ReadKey();
}

std::optional<std::string> PresetConsole::ReadLine() {
  if (!line_) return console_.ReadLine();
  if (line_taken_) return std::nullopt;
  line_taken_ = true;
  size_t position = 0;
  return ReadPipedLine([this, &position]() -> int {
    if (position >= line_->size()) return -1;
    return static_cast<unsigned char>((*line_)[position++]);
  });
}

bool PresetConsole::EchoesLineEnd() const {
  return line_ ? false : console_.EchoesLineEnd();
}

}  // namespace docbase
