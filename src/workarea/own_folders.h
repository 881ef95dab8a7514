// The folders a run empties and removes are its own. A link (or junction)
// standing in the place of a work folder would make the run delete and
// write in a folder elsewhere: it is taken away and a real folder made (or,
// where the system will not remove it, the run stops and names it). A
// link in the place of htm_out, or of the trace folder, may be the user's
// way of publishing into another folder, so the run stops instead, before
// anything in it is deleted, and names it.
#pragma once

#include "base/status.h"
#include "workarea/work_area.h"

namespace docbase {

Status ClaimOwnFolders(const WorkArea& area);

}  // namespace docbase
