// Runs the real docbase binary for end-to-end tests: in a given folder,
// with given bytes as the whole of its standard input (closed after them,
// so every wait of the program ends), capturing standard output, standard
// error and the exit status. No shell is involved.
//
// The binary is the one the test binary was built with (DOCBASE_BINARY);
// argument 0 is its path. A run that outlives the timeout is killed and
// reported as timed out; the timeout is a safety net against a hung
// program, not a measurement.
//
// Header-only, so that every tests/e2e/*_test.cpp can include it.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace docbase::e2e {

struct ProgramOutcome {
  std::string out;       // standard output, byte for byte
  std::string err;       // standard error
  int exit_status = -1;  // -1 when the program did not exit normally
  bool timed_out = false;
};

namespace internal {

inline void ClosePipe(int fds[2]) {
  for (int i = 0; i < 2; ++i) {
    if (fds[i] >= 0) ::close(fds[i]);
    fds[i] = -1;
  }
}

// Feeds `input` to `to_child` and drains `from_out` and `from_err` until
// both reach their end or `deadline` passes; false on timeout. Each pipe
// end is closed when done with and set to -1.
inline bool Exchange(int& to_child, int& from_out, int& from_err,
                     std::string_view input, ProgramOutcome* outcome,
                     std::chrono::steady_clock::time_point deadline) {
  size_t written = 0;
  if (input.empty()) {
    ::close(to_child);
    to_child = -1;
  }
  char buffer[65536];
  while (from_out >= 0 || from_err >= 0) {
    pollfd fds[3];
    int count = 0;
    if (to_child >= 0) fds[count++] = {to_child, POLLOUT, 0};
    if (from_out >= 0) fds[count++] = {from_out, POLLIN, 0};
    if (from_err >= 0) fds[count++] = {from_err, POLLIN, 0};
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    int ready = ::poll(fds, count, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) continue;  // the deadline test above decides
    for (int i = 0; i < count; ++i) {
      if (fds[i].revents == 0) continue;
      if (fds[i].fd == to_child) {
        ssize_t n =
            ::write(to_child, input.data() + written, input.size() - written);
        if (n > 0) written += static_cast<size_t>(n);
        // A program that stopped reading (it ended early) gets no more.
        if (n < 0 || written == input.size()) {
          ::close(to_child);
          to_child = -1;
        }
        continue;
      }
      int& fd = fds[i].fd == from_out ? from_out : from_err;
      std::string& sink = fd == from_out ? outcome->out : outcome->err;
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n > 0) {
        sink.append(buffer, static_cast<size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        ::close(fd);
        fd = -1;
      }
    }
  }
  return true;
}

}  // namespace internal

// Where the program's standard error goes: apart, to ProgramOutcome::err,
// or together with standard output into ProgramOutcome::out, in the order
// the two were written (one pipe, as a console window shows them).
enum class ErrorStream { kApart, kWithOutput };

// Runs `binary` with `arguments` (argument 0 excluded) in `folder`.
inline ProgramOutcome RunProgram(
    const std::string& binary, const std::vector<std::string>& arguments,
    const std::filesystem::path& folder, std::string_view input,
    std::chrono::seconds timeout = std::chrono::seconds(120),
    ErrorStream error_stream = ErrorStream::kApart) {
  ProgramOutcome outcome;
  // A write to a program that has already ended must not end the tests.
  ::signal(SIGPIPE, SIG_IGN);

  int in_pipe[2] = {-1, -1};
  int out_pipe[2] = {-1, -1};
  int err_pipe[2] = {-1, -1};
  if (::pipe2(in_pipe, O_CLOEXEC) != 0 || ::pipe2(out_pipe, O_CLOEXEC) != 0 ||
      ::pipe2(err_pipe, O_CLOEXEC) != 0) {
    internal::ClosePipe(in_pipe);
    internal::ClosePipe(out_pipe);
    internal::ClosePipe(err_pipe);
    outcome.err = "pipe failed";
    return outcome;
  }
  // Everything the child needs is prepared before the fork: after it only
  // async-signal-safe calls are made.
  std::vector<std::string> argv_text = {binary};
  argv_text.insert(argv_text.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& text : argv_text) argv.push_back(text.data());
  argv.push_back(nullptr);
  std::string directory = folder.string();

  pid_t child = ::fork();
  if (child == 0) {
    struct sigaction default_action = {};
    default_action.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &default_action, nullptr);
    const int error_to = error_stream == ErrorStream::kWithOutput
                             ? out_pipe[1]
                             : err_pipe[1];
    if (::dup2(in_pipe[0], 0) < 0 || ::dup2(out_pipe[1], 1) < 0 ||
        ::dup2(error_to, 2) < 0 || ::chdir(directory.c_str()) != 0) {
      ::_exit(127);
    }
    ::execv(binary.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(in_pipe[0]);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  if (child < 0) {
    ::close(in_pipe[1]);
    ::close(out_pipe[0]);
    ::close(err_pipe[0]);
    outcome.err = "fork failed";
    return outcome;
  }
  ::fcntl(in_pipe[1], F_SETFL, O_NONBLOCK);

  auto deadline = std::chrono::steady_clock::now() + timeout;
  if (!internal::Exchange(in_pipe[1], out_pipe[0], err_pipe[0], input, &outcome,
                          deadline)) {
    outcome.timed_out = true;
    ::kill(child, SIGKILL);
  }
  for (int fd : {in_pipe[1], out_pipe[0], err_pipe[0]}) {
    if (fd >= 0) ::close(fd);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!outcome.timed_out && WIFEXITED(status)) {
    outcome.exit_status = WEXITSTATUS(status);
  }
  return outcome;
}

// Runs the docbase binary under test in `folder`, without arguments.
inline ProgramOutcome RunDocbaseBinary(
    const std::filesystem::path& folder, std::string_view input,
    std::chrono::seconds timeout = std::chrono::seconds(120)) {
  return RunProgram(DOCBASE_BINARY, {}, folder, input, timeout);
}

// The names of the entries of `folder` (files and folders), sorted, for
// assertions on the end state of a run.
inline std::vector<std::string> EntryNames(
    const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end;
       !error && it != end; it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace docbase::e2e
