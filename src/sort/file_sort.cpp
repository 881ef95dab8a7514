// Placeholder until this phase is built.
#include "sort/file_sort.h"

namespace docbase {

Status FileSort(const WorkArea&, RunState&, Console&) { return Status::Ok(); }

}  // namespace docbase
