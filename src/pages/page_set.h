// The page set: writes the promotional page into htm_in, lists the input
// pages (promotional page first, then the platform sort order) and cleans
// every page line by line straight into its numbered page page_<N>.htm in
// the program directory.
//
// `*number_pad` holds the pad of the input count on entry; with two pages
// or more it is set again from the page count.
#pragma once

#include <string>

#include "common/settings.h"
#include "common/status.h"
#include "workarea/work_area.h"

namespace docbase {

Status BuildPageSet(const WorkArea& area, const Settings& settings,
                    std::string* number_pad);

}  // namespace docbase
