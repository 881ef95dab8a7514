#include "sort/record_sort.h"

#include "platform/file_system.h"

namespace docbase {

SortRunFile::~SortRunFile() = default;

Status SortRunFile::Create() {
  (void)file_.Close();
  size_ = 0;
  if (Status removed = RemoveFileName(file_path_);
      !removed.ok() && !removed.not_found()) {
    return removed.WithAction("cannot create");
  }
  DOCBASE_RETURN_IF_ERROR(file_.Open(file_path_, File::Mode::kCreateNew)
                              .WithAction("cannot create"));
  created_ = true;
  return Status::Ok();
}

Status SortRunFile::Clear() {
  DOCBASE_RETURN_IF_ERROR(file_.Truncate().WithAction("cannot write"));
  size_ = 0;
  return Status::Ok();
}

Status SortRunFile::Append(const void* data, size_t bytes) {
  if (bytes == 0) return Status::Ok();
  DOCBASE_RETURN_IF_ERROR(
      file_.WriteAt(size_, data, bytes).WithAction("cannot write"));
  size_ += bytes;
  return Status::Ok();
}

Status SortRunFile::ReadAt(void* data, size_t bytes, uint64_t offset) const {
  size_t got = 0;
  DOCBASE_RETURN_IF_ERROR(
      file_.ReadAt(offset, data, bytes, &got).WithAction("cannot read"));
  if (got < bytes) {
    return Status::IoError(path_, "shorter than written (cut short)");
  }
  return Status::Ok();
}

Status SortRunFile::CheckSize() const {
  uint64_t size = 0;
  DOCBASE_RETURN_IF_ERROR(file_.Size(&size).WithAction("cannot read"));
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
  Status removed = RemoveFileName(file_path_);
  if (removed.not_found()) return Status::Ok();
  return removed.WithAction("cannot delete");
}

}  // namespace docbase
