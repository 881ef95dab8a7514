// Placeholder until this phase is built.
#include "html/annotated_pages.h"

namespace docbase {

Status PrepareWordFolder(const WorkArea&) { return Status::Ok(); }
Status RewriteGroupPages(const WorkArea&, const RunState&, int64_t) {
  return Status::Ok();
}

}  // namespace docbase
