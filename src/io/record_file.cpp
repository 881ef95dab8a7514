#include "io/record_file.h"

#include "platform/path.h"

namespace docbase {

RecordFile::~RecordFile() { Close(); }

Status RecordFile::Open(const std::filesystem::path& path, uint64_t size) {
  Close();
  path_ = Utf8FromPath(path);
  if (Status opened = file_.Open(path, File::Mode::kReadWrite); !opened.ok()) {
    return opened.WithAction("cannot open work file");
  }
  uint64_t found = 0;
  if (Status sized = file_.Size(&found); !sized.ok()) {
    return sized.WithAction("cannot read work file");
  }
  if (found != size) return Damaged();
  return Status::Ok();
}

Status RecordFile::Damaged() const {
  return Status::IoError(path_, "work file is damaged");
}

void RecordFile::Close() { (void)file_.Close(); }

Status RecordFile::ReadAt(uint64_t offset, void* data, size_t size) const {
  size_t got = 0;
  if (Status read = file_.ReadAt(offset, data, size, &got); !read.ok()) {
    return read.WithAction("cannot read work file");
  }
  if (got < size) {
    return Status::IoError(path_, "work file is cut short");
  }
  return Status::Ok();
}

Status RecordFile::WriteAt(uint64_t offset, const void* data,
                           size_t size) const {
  if (size == 0) return Status::Ok();
  return file_.WriteAt(offset, data, size).WithAction("cannot write work file");
}

}  // namespace docbase
