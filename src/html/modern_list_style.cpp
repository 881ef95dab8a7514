#include "html/modern_assets.h"

namespace docbase {

std::string_view ModernListStyle() { return ""; }

std::string_view ModernListScript() { return ""; }

}  // namespace docbase
