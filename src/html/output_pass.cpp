// Placeholder until this phase is built.
#include "html/output_pass.h"

namespace docbase {

Status WriteGroupOutputs(const WorkArea&, RunState&) { return Status::Ok(); }

}  // namespace docbase
