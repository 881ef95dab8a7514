// The page set: writes the promotional page into htm_in, lists the input
// pages (promotional page first, then the platform sort order; the
// converted texts are listed as if they stood in htm_in) and gives each its
// numbered page page_<N>.htm, the cleaned form of the input page. No
// numbered page is written here: each is made from its origin when it is
// read (pages/page_reader.h).
//
// `*number_pad` holds the pad of the input count on entry; with two pages
// or more it is set again from the page count.
#pragma once

#include <string>
#include <vector>

#include "base/status.h"
#include "pages/page_origin.h"
#include "pages/text_to_page.h"
#include "run/settings.h"
#include "workarea/work_area.h"

namespace docbase {

Status BuildPageSet(const WorkArea& area, const Settings& settings,
                    const std::vector<ConvertedPage>& converted,
                    std::string* number_pad,
                    std::vector<NumberedPage>* numbered);

}  // namespace docbase
