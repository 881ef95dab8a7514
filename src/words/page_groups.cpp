// Placeholder until this phase is built.
#include "words/page_groups.h"

namespace docbase {

Status BuildPageGroups(const WorkArea&, RunState&, Console&) {
  return Status::Ok();
}
Status SplitWordsByGroup(const WorkArea&, RunState&) { return Status::Ok(); }

}  // namespace docbase
