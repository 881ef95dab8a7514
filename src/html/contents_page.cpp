// Placeholder until this phase is built.
#include "html/contents_page.h"

namespace docbase {

Status WriteContentsPage(const WorkArea&, const RunState&) {
  return Status::Ok();
}

}  // namespace docbase
