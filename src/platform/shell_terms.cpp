#include "platform/shell_terms.h"

namespace docbase {

const ShellTerms kPosixShellTerms = {
    .path_separator = "/",
    .empty_argument = "''",
    .line_end = "\n",
    .example_folder = "~/mybase",
    .piped_answers =
        "  printf '1\\n1\\n1\\n1\\nwww.example.org\\n' | docbase\n",
};

// answers.txt is read from the folder above: a run deletes every *.txt of
// its own folder.
const ShellTerms kCmdShellTerms = {
    .path_separator = "\\",
    .empty_argument = "\"\"",
    .line_end = "\r\n",
    .example_folder = "C:\\mybase",
    .piped_answers =
        "  type ..\\answers.txt | docbase\n"
        "(answers.txt holds the lines 1, 1, 1, 1 and www.example.org; keep\n"
        "it outside the folder, whose *.txt files a run deletes)\n",
};

}  // namespace docbase
