// ByteSource hands out the bytes of something that is made as it is read,
// such as a page built from a text, so that LineReader can read its lines
// exactly as it would read them from a file holding those bytes, without
// the file ever being written.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/status.h"

namespace docbase {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies up to `size` of the next bytes to `data` and sets `*got` to
  // their number; 0 only at the end.
  virtual Status Read(char* data, size_t size, size_t* got) = 0;
};

// Hands every byte of `source` to `out` (which has Write(std::string_view)).
template <typename Sink>
Status CopyAllBytes(ByteSource& source, Sink& out) {
  char block[1 << 16];
  for (;;) {
    size_t got = 0;
    DOCBASE_RETURN_IF_ERROR(source.Read(block, sizeof block, &got));
    if (got == 0) return Status::Ok();
    out.Write(std::string_view(block, got));
  }
}

}  // namespace docbase
