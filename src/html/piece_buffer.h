// PieceBuffer collects a line from many small pieces before it is written
// or dropped (a search page line waits until its last word is known). Its
// append is inline, a bounds test and a copy, because a page appends a
// dozen pieces per word; the memory is kept when the buffer is cleared.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace docbase {

class PieceBuffer {
 public:
  PieceBuffer() { Grow(0); }

  void Append(std::string_view bytes) {
    if (bytes.size() > capacity_ - size_) Grow(bytes.size());
    std::memcpy(data_.get() + size_, bytes.data(), bytes.size());
    size_ += bytes.size();
  }
  void Append(char byte) { Append(std::string_view(&byte, 1)); }

  void Clear() { size_ = 0; }
  size_t size() const { return size_; }
  std::string_view view() const { return {data_.get(), size_}; }

 private:
  // Makes room for `more` bytes (kept out of line, so Append stays small).
  void Grow(size_t more);

  std::unique_ptr<char[]> data_;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

}  // namespace docbase
