// Placeholder until this phase is built.
#include "driver/tool_checks.h"

namespace docbase {

Status CheckTools(const WorkArea&, Console&) { return Status::Ok(); }

}  // namespace docbase
