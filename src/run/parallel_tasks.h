// Runs a list of independent tasks on up to `jobs` threads. The tasks are
// started in list order, each on the first free thread, the first one on
// the calling thread (so a task that needs much memory can go first and
// reuse what the calling thread freed before: the memory allocator keeps a
// heap per thread); once one has failed no further task starts, and the
// result is the failure of the earliest task in the list that failed
// (those already running finish first). With one job every task runs on
// the calling thread, in order.
//
// A task must not depend on another task's effects: the order in which
// running tasks finish is not fixed.
#pragma once

#include <functional>
#include <vector>

#include "base/status.h"

namespace docbase {

using Task = std::function<Status()>;

Status RunTasks(int jobs, const std::vector<Task>& tasks);

// One thread per core of the machine (at least one).
int DefaultJobs();

}  // namespace docbase
