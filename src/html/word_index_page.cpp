// Placeholder until this phase is built.
#include "html/word_index_page.h"

namespace docbase {

Status WordIndexPages::WriteHead(const WorkArea&, const RunState&, int64_t) {
  return Status::Ok();
}
Status WordIndexPages::WriteEntries(const WorkArea&, const RunState&,
                                    int64_t) {
  return Status::Ok();
}

}  // namespace docbase
