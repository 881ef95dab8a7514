// Console is the program's only way to talk to the user: text out, single
// keys and one typed line in. The run writes through this interface so that
// tests can script the keys and capture the output (ScriptedConsole), while
// the program itself uses the terminal or a pipe (TerminalConsole).
//
// The base class keeps the output column (bytes written since the last line
// end), which the print zones of the parameter overview need.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace docbase {

struct Key {
  enum class Kind { kChar, kExtended, kEndOfInput };
  Kind kind = Kind::kEndOfInput;
  char ch = 0;

  bool Is(char c) const { return kind == Kind::kChar && ch == c; }
  bool end_of_input() const { return kind == Kind::kEndOfInput; }
};

class Console {
 public:
  virtual ~Console() = default;

  void Write(std::string_view text);
  // Writes `text` and CR LF.
  void Line(std::string_view text = {});
  size_t column() const { return column_; }

  // Waits for the next key. Never returns kChar for CR or LF.
  virtual Key ReadKey() = 0;
  // Reads one typed line (without its end), or nullopt at end of input.
  virtual std::optional<std::string> ReadLine() = 0;
  virtual void Clear() = 0;
  // Columns available for the print zones.
  virtual int Width() const = 0;
  // Whether the user's Enter already moved the cursor to a new line.
  virtual bool EchoesLineEnd() const = 0;

 protected:
  virtual void Output(std::string_view bytes) = 0;

 private:
  size_t column_ = 0;
};

}  // namespace docbase
