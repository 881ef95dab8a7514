#include "platform/shell_terms.h"

namespace docbase {

const ShellTerms& NativeShellTerms() { return kPosixShellTerms; }

}  // namespace docbase
