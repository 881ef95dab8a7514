#include "html/modern_assets.h"

namespace docbase {

std::string_view ModernPageStyle() { return ""; }

}  // namespace docbase
