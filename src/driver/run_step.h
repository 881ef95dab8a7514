// What a step of the run driver hands back: the run goes on, the run has
// reached one of its specified ways out (a menu answered "2", a failed
// presence test, ...; the message and the key wait have already happened
// and the process ends with 0), or a file could not be read or written.
// The phases below the driver return a plain Status, and a phase that can
// stop the run says so beside it; the driver turns that into a RunStep.
#pragma once

#include <string>
#include <utility>

#include "base/status.h"

namespace docbase {

class [[nodiscard]] RunStep {
 public:
  RunStep() = default;
  // A phase's status: the run goes on when it is ok, else it failed.
  RunStep(Status status) : status_(std::move(status)) {}  // NOLINT: implicit

  static RunStep GoOn() { return RunStep(); }
  static RunStep Ended() {
    RunStep step;
    step.ended_ = true;
    return step;
  }

  bool ok() const { return status_.ok() && !ended_; }
  bool run_ended() const { return ended_; }
  bool io_error() const { return !status_.ok(); }
  const Status& status() const { return status_; }
  const std::string& path() const { return status_.path(); }
  const std::string& reason() const { return status_.reason(); }

 private:
  Status status_;
  bool ended_ = false;
};

}  // namespace docbase

// Returns from the enclosing driver step when `expr` (a Status or a
// RunStep) does not let the run go on.
#define DOCBASE_RETURN_IF_STOPPED(expr)            \
  do {                                             \
    ::docbase::RunStep docbase_step_ = (expr);     \
    if (!docbase_step_.ok()) return docbase_step_; \
  } while (0)
