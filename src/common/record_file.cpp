#include "common/record_file.h"

#include "platform/path.h"
#include "platform/system_error.h"

namespace docbase {

RecordFile::~RecordFile() { Close(); }

Status RecordFile::Open(const std::filesystem::path& path, uint64_t size) {
  Close();
  path_ = Utf8FromPath(path);
  if (!file_.Open(path, File::Mode::kReadWrite)) {
    return SystemError(path_, "cannot open work file");
  }
  uint64_t found = 0;
  if (!file_.Size(&found)) return SystemError(path_, "cannot read work file");
  if (found != size) return Damaged();
  return Status::Ok();
}

Status RecordFile::Damaged() const {
  return Status::IoError(path_, "work file is damaged");
}

void RecordFile::Close() { (void)file_.Close(); }

Status RecordFile::ReadAt(uint64_t offset, void* data, size_t size) const {
  int64_t got = file_.ReadAt(offset, data, size);
  if (got < 0) return SystemError(path_, "cannot read work file");
  if (static_cast<uint64_t>(got) < size) {
    return Status::IoError(path_, "work file is cut short");
  }
  return Status::Ok();
}

Status RecordFile::WriteAt(uint64_t offset, const void* data,
                           size_t size) const {
  if (size == 0 || file_.WriteAt(offset, data, size)) return Status::Ok();
  return SystemError(path_, "cannot write work file");
}

}  // namespace docbase
