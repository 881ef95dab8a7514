#include "run/parallel_tasks.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace docbase {

Status RunTasks(int jobs, const std::vector<Task>& tasks) {
  std::vector<Status> outcomes(tasks.size());
  std::atomic<size_t> next{0};
  std::atomic<bool> failed{false};
  auto run = [&](size_t at) {
    outcomes[at] = tasks[at]();
    if (!outcomes[at].ok()) failed.store(true);
  };
  auto work = [&] {
    while (!failed.load()) {
      const size_t at = next.fetch_add(1);
      if (at >= tasks.size()) return;
      run(at);
    }
  };
  const size_t threads =
      std::min(tasks.size(), static_cast<size_t>(std::max(jobs, 1)));
  if (threads <= 1) {
    work();
  } else {
    // The first task is the calling thread's, taken before any helper
    // starts.
    const size_t first = next.fetch_add(1);
    std::vector<std::thread> helpers;
    for (size_t i = 1; i < threads; ++i) helpers.emplace_back(work);
    run(first);
    work();
    for (std::thread& helper : helpers) helper.join();
  }
  for (const Status& outcome : outcomes) {
    if (!outcome.ok()) return outcome;
  }
  return Status::Ok();
}

int DefaultJobs() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

}  // namespace docbase
