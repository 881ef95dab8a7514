// Status is the one error style of the project: every operation that can
// fail returns one and the caller checks it at once. A status is ok, or it
// names a file (as the user knows it, relative to the program directory
// where possible) and says what went wrong with it. Only the top of the
// program prints a failure, framed, and ends with 1.
//
// A failure also says what kind it is, for the callers that treat some
// failures as expected: a name that is missing, or a lock another process
// holds. Every other failure is an I/O error.
#pragma once

#include <string>
#include <string_view>

namespace docbase {

class [[nodiscard]] Status {
 public:
  Status() = default;

  static Status Ok() { return Status(); }
  static Status IoError(std::string_view path, std::string_view reason) {
    return Status(Code::kIoError, path, reason);
  }
  // No file or folder of that name (or of a folder on the way to it).
  static Status NotFound(std::string_view path, std::string_view reason) {
    return Status(Code::kNotFound, path, reason);
  }
  // Another process holds the lock on `path`.
  static Status Busy(std::string_view path, std::string_view reason) {
    return Status(Code::kBusy, path, reason);
  }

  bool ok() const { return code_ == Code::kOk; }
  // Any failure: a missing name and a held lock are failures of I/O too.
  bool io_error() const { return code_ != Code::kOk; }
  bool not_found() const { return code_ == Code::kNotFound; }
  bool busy() const { return code_ == Code::kBusy; }

  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }
  std::string ToString() const;

  // The same failure with `action` before its reason ("cannot write: No
  // space left on device"); an ok status stays ok.
  Status WithAction(std::string_view action) const;

 private:
  enum class Code { kOk, kIoError, kNotFound, kBusy };
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
