#include "html/modern_assets.h"

namespace docbase {

std::string_view ModernPageStyle() { return ""; }

std::string_view ModernPageScript() { return ""; }

}  // namespace docbase
