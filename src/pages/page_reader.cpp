#include "pages/page_reader.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "io/line_writer.h"

namespace docbase {
namespace {

// Cleaned lines are made until about this many bytes wait.
constexpr size_t kCleanedBlock = 64 << 10;

}  // namespace

void CleanedPageBytes::Open(LineReader* page) {
  page_ = page;
  cleaner_.StartPage();
  pending_.clear();
  taken_ = 0;
}

Status CleanedPageBytes::Read(char* data, size_t size, size_t* got) {
  *got = 0;
  if (pending_.size() == taken_) {
    pending_.clear();
    taken_ = 0;
    std::string_view line;
    while (pending_.size() < kCleanedBlock && page_->Next(&line)) {
      cleaner_.CleanLine(line, *this);
    }
    DOCBASE_RETURN_IF_ERROR(page_->status());
    if (pending_.empty()) return Status::Ok();
  }
  *got = std::min(size, pending_.size() - taken_);
  std::memcpy(data, pending_.data() + taken_, *got);
  taken_ += *got;
  return Status::Ok();
}

Status PageReader::Open(const PageOrigin& origin) {
  switch (origin.kind) {
    case PageOrigin::Kind::kCleanedFile:
      DOCBASE_RETURN_IF_ERROR(page_.Open(origin.from));
      break;
    case PageOrigin::Kind::kCleanedText:
      DOCBASE_RETURN_IF_ERROR(text_.Open(origin.from, origin.title, origin.form));
      page_.Open(&text_);
      break;
  }
  cleaned_.Open(&page_);
  lines_.Open(&cleaned_);
  return Status::Ok();
}

void PageReader::Close() {
  lines_.Close();
  page_.Close();
}

Status WriteNumberedPage(const WorkArea& area, std::string_view name,
                         const PageOrigin& origin) {
  PageReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(origin));
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path(name)));
  DOCBASE_RETURN_IF_ERROR(CopyAllBytes(reader.bytes(), out));
  return out.Close();
}

}  // namespace docbase
