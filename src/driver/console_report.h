// ConsoleReport is the run's RunReport: progress lines and stop blocks go to
// the console, and the any-key wait is the console's any-key exit.
#pragma once

#include "driver/console.h"
#include "run/run_report.h"

namespace docbase {

class ConsoleReport : public RunReport {
 public:
  explicit ConsoleReport(Console& console) : console_(console) {}

  void Progress(std::string_view line) override;
  void Stop(std::initializer_list<std::string_view> lines) override;

 private:
  Console& console_;
};

}  // namespace docbase
