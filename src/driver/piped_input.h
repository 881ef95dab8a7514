// How keys and typed lines are read when the input is not a terminal (a
// pipe, a file or a test script): every byte is a key except CR and LF,
// which key reads pass over; a key also takes one line end (LF, CR LF or a
// lone CR) that directly follows it; a typed line runs up to LF, and a CR
// before that LF is dropped.
#pragma once

#include <optional>
#include <string>

#include "driver/console.h"

namespace docbase {

// `next` returns the next byte or -1 at end of input; `peek` returns it
// without taking it.
template <typename Next, typename Peek>
Key ReadPipedKey(Next next, Peek peek) {
  int byte;
  do {
    byte = next();
  } while (byte == '\r' || byte == '\n');
  if (byte < 0) return Key{Key::Kind::kEndOfInput, 0};
  int after = peek();
  if (after == '\n') {
    next();
  } else if (after == '\r') {
    next();
    if (peek() == '\n') next();
  }
  return Key{Key::Kind::kChar, static_cast<char>(byte)};
}

template <typename Next>
std::optional<std::string> ReadPipedLine(Next next) {
  std::string line;
  int byte = next();
  if (byte < 0) return std::nullopt;
  while (byte >= 0 && byte != '\n') {
    line.push_back(static_cast<char>(byte));
    byte = next();
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace docbase
