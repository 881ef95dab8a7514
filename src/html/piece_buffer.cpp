#include "html/piece_buffer.h"

namespace docbase {

void PieceBuffer::Grow(size_t more) {
  size_t capacity = capacity_ < 256 ? 256 : capacity_ * 2;
  while (capacity - size_ < more) capacity *= 2;
  std::unique_ptr<char[]> larger(new char[capacity]);
  if (size_ > 0) std::memcpy(larger.get(), data_.get(), size_);
  data_ = std::move(larger);
  capacity_ = capacity;
}

}  // namespace docbase
