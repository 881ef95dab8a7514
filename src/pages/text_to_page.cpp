// Placeholder until this phase is built.
#include "pages/text_to_page.h"

namespace docbase {

Status ConvertTextsToPages(const WorkArea&, RunState&, Console&) {
  return Status::Ok();
}

}  // namespace docbase
