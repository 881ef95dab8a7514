// Placeholder until this phase is built.
#include "html/main_index.h"

namespace docbase {

Status SortMainIndexRecords(const WorkArea&, RunState&, Console&,
                            int64_t* total) {
  *total = 0;
  return Status::Ok();
}
Status WriteMainIndex(const WorkArea&, const RunState&, Console&, int64_t) {
  return Status::Ok();
}

}  // namespace docbase
