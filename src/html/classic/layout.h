// The classic layout: the pages as they have always been written, long
// inline runs of markup with a script in every annotated page. Its pages
// can grow past what a browser opens in time when one group holds much
// text.
#pragma once

#include <memory>

#include "html/layout.h"

namespace docbase {

std::unique_ptr<Layout> MakeClassicLayout();

}  // namespace docbase
