// Placeholder until this phase is built.
#include "workarea/folder_setup.h"

namespace docbase {

Status CheckInputPresence(const WorkArea&, Console&) { return Status::Ok(); }
Status SetUpFolders(const WorkArea&, RunState&, Console&) { return Status::Ok(); }
Status CleanStaleFiles(const WorkArea&) { return Status::Ok(); }
Status SetUpOutputFolders(const WorkArea&, Console&) { return Status::Ok(); }

}  // namespace docbase
