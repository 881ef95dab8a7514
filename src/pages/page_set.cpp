// Placeholder until this phase is built.
#include "pages/page_set.h"

namespace docbase {

Status BuildPageSet(const WorkArea&, RunState&) { return Status::Ok(); }

}  // namespace docbase
