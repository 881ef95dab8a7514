// Placeholder until this phase is built.
#include "html/search_page.h"

namespace docbase {

Status WriteSearchPage(const WorkArea&, RunState&, int64_t) {
  return Status::Ok();
}

}  // namespace docbase
