// A console whose answers are fixed before the run, by --yes and --address.
// It wraps the console the program would otherwise use and passes all
// output through to it unchanged, so the transcript is the one a pipe with
// the same answers gives:
//
//   --yes      every key read returns "1" at once: the two-choice menus
//              go on, and the exit screens ("<1> = continue and end", the
//              final "any key" screen) end without waiting.
//   --address  the one typed line is the given text, cut at its first line
//              end as a piped line is; a later line read finds the end of
//              the input. The program writes the line end after the
//              answer itself, as it does when the answer came through a pipe.
//
// Whatever is not preset is read from the wrapped console. With both preset
// the run never reads its standard input, so it may be closed.
#pragma once

#include <optional>
#include <string>

#include "driver/console.h"

namespace docbase {

class PresetConsole : public Console {
 public:
  PresetConsole(Console& console, bool yes, std::optional<std::string> line)
      : console_(console), yes_(yes), line_(std::move(line)) {}

  Key ReadKey() override;
  std::optional<std::string> ReadLine() override;
  void Clear() override { console_.Clear(); }
  int Width() const override { return console_.Width(); }
  bool EchoesLineEnd() const override;

 protected:
  void Output(std::string_view bytes) override { console_.Write(bytes); }

 private:
  Console& console_;
  bool yes_;
  std::optional<std::string> line_;
  bool line_taken_ = false;
};

}  // namespace docbase
