#include "words/word_pages_by_group.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace docbase {
namespace {

constexpr size_t kBlockRecords = (1 << 20) / sizeof(StoredWordPage);

}  // namespace

WordPagesByGroup::WordPagesByGroup(std::filesystem::path path,
                                   size_t budget_bytes)
    : file_(std::move(path)),
      budget_records_(
          std::max<size_t>(1, budget_bytes / sizeof(StoredWordPage))) {}

Status WordPagesByGroup::Build(const WordPageTable& table,
                               std::span<const uint32_t> group_of_page,
                               int64_t group_count) {
  buffers_.assign(static_cast<size_t>(group_count), {});
  chunks_.assign(static_cast<size_t>(group_count), {});
  DOCBASE_RETURN_IF_ERROR(file_.Create());
  WordPageTable::Reader reader;
  DOCBASE_RETURN_IF_ERROR(table.Open(&reader));
  StoredWordPage record;
  while (reader.Next(&record)) {
    if (record.page >= group_of_page.size()) {
      return Status::IoError(table.path(), "work file is damaged");
    }
    const uint32_t group = group_of_page[record.page];
    if (group == 0) continue;
    assert(group <= buffers_.size());
    buffers_[group - 1].push_back(record);
    if (++buffered_ == budget_records_) {
      DOCBASE_RETURN_IF_ERROR(WriteChunks());
    }
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  DOCBASE_RETURN_IF_ERROR(WriteChunks());
  std::vector<std::vector<StoredWordPage>>().swap(buffers_);
  return Status::Ok();
}

Status WordPagesByGroup::WriteChunks() {
  for (size_t group = 0; group < buffers_.size(); ++group) {
    std::vector<StoredWordPage>& buffer = buffers_[group];
    if (buffer.empty()) continue;
    RecordChecksum checksum;
    checksum.Add(buffer.data(), buffer.size());
    chunks_[group].push_back({file_.size(), buffer.size(), checksum.value()});
    DOCBASE_RETURN_IF_ERROR(
        file_.Append(buffer.data(), buffer.size() * sizeof(StoredWordPage)));
    // Freed, not kept: the groups that fill the next round may be others.
    std::vector<StoredWordPage>().swap(buffer);
  }
  buffered_ = 0;
  return Status::Ok();
}

Status WordPagesByGroup::Open(int64_t group, Reader* reader) const {
  *reader = Reader();
  reader->file_ = &file_;
  reader->chunks_ = chunks_[static_cast<size_t>(group - 1)];
  return file_.CheckSize();
}

bool WordPagesByGroup::Reader::Next(StoredWordPage* record) {
  if (position_ == block_.size() && !ReadBlock()) return false;
  *record = block_[position_++];
  return true;
}

bool WordPagesByGroup::Reader::ReadBlock() {
  if (!status_.ok()) return false;
  while (left_.count == 0) {
    if (next_chunk_ == chunks_.size()) return false;
    left_ = chunks_[next_chunk_++];
    read_ = RecordChecksum();
  }
  const size_t count =
      static_cast<size_t>(std::min<uint64_t>(left_.count, kBlockRecords));
  block_.resize(count);
  status_ =
      file_->ReadAt(block_.data(), count * sizeof(StoredWordPage), left_.offset);
  if (!status_.ok()) return false;
  read_.Add(block_.data(), count);
  left_.offset += count * sizeof(StoredWordPage);
  left_.count -= count;
  if (left_.count == 0 && read_.value() != left_.checksum) {
    status_ = file_->Damaged();
    return false;
  }
  position_ = 0;
  return true;
}

}  // namespace docbase
