#include "sort/record_sort.h"

#include "platform/file_system.h"
#include "platform/system_error.h"

namespace docbase {

SortRunFile::~SortRunFile() = default;

Status SortRunFile::Create() {
  (void)file_.Close();
  size_ = 0;
  if (!RemoveFileName(file_path_) && !LastErrorIsMissingFile()) {
    return SystemError(path_, "cannot create");
  }
  if (!file_.Open(file_path_, File::Mode::kCreateNew)) {
    return SystemError(path_, "cannot create");
  }
  created_ = true;
  return Status::Ok();
}

Status SortRunFile::Clear() {
  if (!file_.Truncate()) return SystemError(path_, "cannot write");
  size_ = 0;
  return Status::Ok();
}

Status SortRunFile::Append(const void* data, size_t bytes) {
  if (bytes == 0) return Status::Ok();
  if (!file_.WriteAt(size_, data, bytes)) {
    return SystemError(path_, "cannot write");
  }
  size_ += bytes;
  return Status::Ok();
}

Status SortRunFile::ReadAt(void* data, size_t bytes, uint64_t offset) const {
  int64_t got = file_.ReadAt(offset, data, bytes);
  if (got < 0) return SystemError(path_, "cannot read");
  if (static_cast<uint64_t>(got) < bytes) {
    return Status::IoError(path_, "shorter than written (cut short)");
  }
  return Status::Ok();
}

Status SortRunFile::CheckSize() const {
  uint64_t size = 0;
  if (!file_.Size(&size)) return SystemError(path_, "cannot read");
  return size == size_ ? Status::Ok() : Damaged();
}

Status SortRunFile::Damaged() const {
  return Status::IoError(path_, "work file is damaged");
}

Status SortRunFile::Remove() {
  (void)file_.Close();
  size_ = 0;
  if (!created_) return Status::Ok();
  created_ = false;
  if (!RemoveFileName(file_path_) && !LastErrorIsMissingFile()) {
    return SystemError(path_, "cannot delete");
  }
  return Status::Ok();
}

}  // namespace docbase
