// The tag map of one page line: every HTML tag in order, as a pair of
// 1-based byte positions, from its "<" to the ">" that closes it. A tag whose
// ">" does not come on the same line runs to the last byte of the line and
// leaves the continuation flag on; the next line then begins inside that tag
// and its first ">" closes it. A "<" inside a tag belongs to the tag, and a
// ">" that closes no tag is an ordinary byte.
//
// Tags never overlap and come in ascending order; a tag may be one byte long
// (start == end): a continued line whose first byte is ">", or a lone "<" at
// the end of a line.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace docbase {

struct Tag {
  size_t start;  // 1-based position of the "<" (1 for a continued tag)
  size_t end;    // 1-based position of the ">", or the line length
};

// Replaces `*tags` with the tags of `line`. `*continuation` says on entry
// whether the line begins inside a tag left open by the previous line, and
// on return whether this line leaves one open. The work is linear in the
// line length.
void BuildTagMap(std::string_view line, bool* continuation,
                 std::vector<Tag>* tags);

}  // namespace docbase
