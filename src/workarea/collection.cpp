// Placeholder until this phase is built.
#include "workarea/collection.h"

namespace docbase {

Status CollectOutput(const WorkArea&, const RunState&) { return Status::Ok(); }

}  // namespace docbase
