// What File does the same way on every platform: ownership of the handle.
#include "platform/file.h"

#include <utility>

namespace docbase {

File::~File() { (void)Close(); }

File::File(File&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)),
      path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    (void)Close();
    handle_ = std::exchange(other.handle_, kClosed);
    path_ = std::move(other.path_);
  }
  return *this;
}

}  // namespace docbase
