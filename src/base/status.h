// Status is the one error style of the project: every operation that can
// fail returns one and the caller checks it at once. There are three kinds:
//
//   ok         the step did its work; the run goes on.
//   run ended  the run has reached one of its specified ways out (a menu
//              answered "2", a failed presence test, ...). The message and
//              the key wait have already happened; the process ends with 0.
//   io error   a work or output file could not be read, created or written.
//              Only the top of the program prints it, framed, and ends with 1.
#pragma once

#include <string>
#include <string_view>

namespace docbase {

class [[nodiscard]] Status {
 public:
  Status() = default;

  static Status Ok() { return Status(); }
  static Status RunEnded() { return Status(Code::kRunEnded, "", ""); }
  // `path` names the file as the user knows it (relative to the program
  // directory where possible); `reason` says what went wrong.
  static Status IoError(std::string_view path, std::string_view reason) {
    return Status(Code::kIoError, path, reason);
  }

  bool ok() const { return code_ == Code::kOk; }
  bool run_ended() const { return code_ == Code::kRunEnded; }
  bool io_error() const { return code_ == Code::kIoError; }

  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }
  std::string ToString() const;

 private:
  enum class Code { kOk, kRunEnded, kIoError };
  Status(Code code, std::string_view path, std::string_view reason)
      : code_(code), path_(path), reason_(reason) {}

  Code code_ = Code::kOk;
  std::string path_;
  std::string reason_;
};

}  // namespace docbase

// Returns from the enclosing function when `expr` yields a status that is
// not ok.
#define DOCBASE_RETURN_IF_ERROR(expr)                  \
  do {                                                 \
    ::docbase::Status docbase_status_ = (expr);        \
    if (!docbase_status_.ok()) return docbase_status_; \
  } while (0)
