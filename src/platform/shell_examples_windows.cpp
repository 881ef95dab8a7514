#include "platform/shell_examples.h"

namespace docbase {

// answers.txt is read from the folder above: a run deletes every *.txt of
// its own folder.
std::string_view PipedAnswersExample() {
  return "  type ..\\answers.txt | docbase\n"
         "(answers.txt holds the lines 1, 1, 1, 1 and www.example.org; keep\n"
         "it outside the folder, whose *.txt files a run deletes)\n";
}

std::string_view PresetAnswersExample() {
  return "  docbase -C C:\\mybase --yes --address www.example.org\n";
}

}  // namespace docbase
