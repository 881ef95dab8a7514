// The promotional page f_promote.htm: a fixed 26-line page that advertises
// the programs and is indexed like any input page (it is always page 1).
// Its only variable parts are the character set of its meta line (the code
// page name of the display parameters) and the link to the information
// address.
#pragma once

#include "base/status.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

// Writes htm_in/f_promote.htm, where the page set finds it.
// Precondition: htm_in exists.
Status WritePromotionalPage(const WorkArea& area, const Settings& settings);

}  // namespace docbase
