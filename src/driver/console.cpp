#include "driver/console.h"

namespace docbase {

void Console::Write(std::string_view text) {
  Output(text);
  size_t end = text.find_last_of("\r\n");
  column_ = end == std::string_view::npos ? column_ + text.size()
                                          : text.size() - end - 1;
}

void Console::Line(std::string_view text) {
  Write(text);
  Write("\r\n");
}

}  // namespace docbase
