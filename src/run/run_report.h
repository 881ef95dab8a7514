// RunReport is how a phase below the driver shows something to the user
// while the run goes on: a progress line, or the block of lines a run stops
// with. The driver implements it on the console, so the phases never see
// the console itself (as a builder reports through a status printer).
#pragma once

#include <initializer_list>
#include <string_view>

namespace docbase {

class RunReport {
 public:
  virtual ~RunReport() = default;

  // One progress line, such as "processed 80%".
  virtual void Progress(std::string_view line) = 0;

  // Prints `lines`, each as a line of its own, then shows "<...> any key to
  // continue and end" and waits for a key. The phase then returns at once
  // and tells its caller that the run stopped there.
  virtual void Stop(std::initializer_list<std::string_view> lines) = 0;
};

}  // namespace docbase
