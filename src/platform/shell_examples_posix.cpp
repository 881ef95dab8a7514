#include "platform/shell_examples.h"

namespace docbase {

std::string_view PipedAnswersExample() {
  return "  printf '1\\n1\\n1\\n1\\nwww.example.org\\n' | docbase\n";
}

std::string_view PresetAnswersExample() {
  return "  docbase -C ~/mybase --yes --address www.example.org\n";
}

}  // namespace docbase
