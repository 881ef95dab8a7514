#include "html/modern_assets.h"

namespace docbase {

std::string_view ModernListStyle() { return ""; }

}  // namespace docbase
