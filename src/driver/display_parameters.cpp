// Placeholder until this phase is built.
#include "driver/display_parameters.h"

namespace docbase {

Status SetDisplayParameters(const WorkArea&, RunState&, Console&) {
  return Status::Ok();
}

}  // namespace docbase
