// A docbase process that a test talks to while it runs: answers are sent
// piece by piece, the test waits until a given text has appeared on
// standard output (a menu, a progress line), and may then act on the
// folder, kill the process (at once or at a moment it chooses), or let it
// finish. Complements RunProgram (program_runner.h), which hands over the
// whole input at once.
//
// Waits have a generous timeout as a safety net only; no test measures
// time with them. Header-only, like program_runner.h.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "program_runner.h"

namespace docbase::e2e {

class LiveProgram {
 public:
  // Starts the docbase binary under test in `folder`; standard input stays
  // open until CloseInput or Finish.
  explicit LiveProgram(const std::filesystem::path& folder,
                       const std::string& binary = DOCBASE_BINARY) {
    ::signal(SIGPIPE, SIG_IGN);
    int in_pipe[2], out_pipe[2], err_pipe[2];
    if (::pipe2(in_pipe, O_CLOEXEC) != 0 || ::pipe2(out_pipe, O_CLOEXEC) != 0 ||
        ::pipe2(err_pipe, O_CLOEXEC) != 0) {
      return;
    }
    std::string program = binary;
    char* argv[] = {program.data(), nullptr};
    std::string directory = folder.string();
    pid_ = ::fork();
    if (pid_ == 0) {
      struct sigaction default_action = {};
      default_action.sa_handler = SIG_DFL;
      ::sigaction(SIGPIPE, &default_action, nullptr);
      if (::dup2(in_pipe[0], 0) < 0 || ::dup2(out_pipe[1], 1) < 0 ||
          ::dup2(err_pipe[1], 2) < 0 || ::chdir(directory.c_str()) != 0) {
        ::_exit(127);
      }
      ::execv(program.c_str(), argv);
      ::_exit(127);
    }
    ::close(in_pipe[0]);
    ::close(out_pipe[1]);
    ::close(err_pipe[1]);
    to_child_ = in_pipe[1];
    from_out_ = out_pipe[0];
    from_err_ = err_pipe[0];
  }

  ~LiveProgram() {
    if (pid_ > 0 && !exited_) Kill();
    CloseAll();
  }
  LiveProgram(const LiveProgram&) = delete;
  LiveProgram& operator=(const LiveProgram&) = delete;

  bool started() const { return pid_ > 0; }

  void Send(std::string_view bytes) {
    while (!bytes.empty() && to_child_ >= 0) {
      ssize_t n = ::write(to_child_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return;  // the program has stopped reading
      bytes.remove_prefix(static_cast<size_t>(n));
    }
  }

  void CloseInput() { CloseFd(to_child_); }

  // Reads standard output until `text` appears in it (anywhere since the
  // start of the run). False when the output ends first or the safety
  // timeout passes.
  bool WaitForOutput(std::string_view text,
                     std::chrono::seconds timeout = std::chrono::seconds(120)) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (out_.find(text) == std::string::npos) {
      if (!ReadSome(deadline)) return false;
    }
    return true;
  }

  // SIGKILL, then waits for the process; the output read so far stays.
  void Kill() {
    if (pid_ <= 0 || exited_) return;
    ::kill(pid_, SIGKILL);
    Reap();
  }

  // Reads the output until `moment`, then SIGKILL and waits for the
  // process. False (and no kill) when the program ended before `moment`:
  // both its outputs closed, and it is reaped. The moment is chosen by the
  // test; nothing is measured against it.
  bool KillAt(std::chrono::steady_clock::time_point moment) {
    while (ReadSome(moment)) {
    }
    if (from_out_ < 0 && from_err_ < 0) {
      Reap();
      return false;
    }
    Kill();
    return true;
  }

  // Closes standard input, reads the rest of the output and waits for the
  // end of the process.
  ProgramOutcome Finish(
      std::chrono::seconds timeout = std::chrono::seconds(120)) {
    CloseInput();
    auto deadline = std::chrono::steady_clock::now() + timeout;
    bool in_time = true;
    while (from_out_ >= 0 || from_err_ >= 0) {
      if (!ReadSome(deadline)) {
        in_time = from_out_ < 0 && from_err_ < 0;
        break;
      }
    }
    ProgramOutcome outcome;
    if (!in_time) {
      outcome.timed_out = true;
      Kill();
    } else {
      Reap();
      outcome.exit_status = exit_status_;
    }
    outcome.out = out_;
    outcome.err = err_;
    return outcome;
  }

  const std::string& out() const { return out_; }

 private:
  // Reads what is available on either output; false at the deadline or
  // when both outputs have ended.
  bool ReadSome(std::chrono::steady_clock::time_point deadline) {
    for (;;) {
      if (from_out_ < 0 && from_err_ < 0) return false;
      pollfd fds[2];
      int count = 0;
      if (from_out_ >= 0) fds[count++] = {from_out_, POLLIN, 0};
      if (from_err_ >= 0) fds[count++] = {from_err_, POLLIN, 0};
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return false;
      int ready = ::poll(fds, count, static_cast<int>(left.count()));
      if (ready < 0 && errno == EINTR) continue;
      if (ready <= 0) continue;
      for (int i = 0; i < count; ++i) {
        if (fds[i].revents == 0) continue;
        int& fd = fds[i].fd == from_out_ ? from_out_ : from_err_;
        std::string& sink = fds[i].fd == from_out_ ? out_ : err_;
        char buffer[65536];
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
          sink.append(buffer, static_cast<size_t>(n));
        } else if (n == 0 || errno != EINTR) {
          CloseFd(fd);
        }
      }
      return true;
    }
  }

  void Reap() {
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    exited_ = true;
    exit_status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  void CloseAll() {
    CloseFd(to_child_);
    CloseFd(from_out_);
    CloseFd(from_err_);
  }

  pid_t pid_ = -1;
  bool exited_ = false;
  int exit_status_ = -1;
  int to_child_ = -1;
  int from_out_ = -1;
  int from_err_ = -1;
  std::string out_;
  std::string err_;
};

}  // namespace docbase::e2e
