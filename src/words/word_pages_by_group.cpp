#include "words/word_pages_by_group.h"

#include <cassert>

#include "workarea/file_names.h"

namespace docbase {

WordPagesByGroup::WordPagesByGroup(const std::filesystem::path& path,
                                   size_t budget_bytes)
    : sorter_(path, MergeRunFile(path), budget_bytes) {}

Status WordPagesByGroup::Build(const WordPageTable& table,
                               std::span<const uint32_t> group_of_page) {
  WordPageTable::Reader reader;
  DOCBASE_RETURN_IF_ERROR(table.Open(&reader));
  StoredWordPage record;
  while (reader.Next(&record)) {
    if (record.page >= group_of_page.size()) {
      return Status::IoError(table.path(), "work file is damaged");
    }
    const uint32_t group = group_of_page[record.page];
    if (group != 0) DOCBASE_RETURN_IF_ERROR(sorter_.Add({group, record}));
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  return sorter_.Finish();
}

Status WordPagesByGroup::Open(int64_t group, Reader* reader) {
  assert(group > 0 && static_cast<uint32_t>(group) >= open_group_);
  if (open_group_ == 0) pass_ = sorter_.Open(&sorted_);
  open_group_ = static_cast<uint32_t>(group);
  reader->by_group_ = this;
  reader->group_ = open_group_;
  return reader->status();
}

bool WordPagesByGroup::Peek(const GroupedRecord** record) {
  if (!pass_.ok()) return false;
  if (!next_) {
    GroupedRecord read;
    if (!sorted_.Next(&read)) return false;
    next_ = read;
  }
  *record = &*next_;
  return true;
}

bool WordPagesByGroup::Reader::Next(StoredWordPage* record) {
  const GroupedRecord* next = nullptr;
  while (true) {
    if (!by_group_->Peek(&next)) return false;
    if (next->group >= group_) break;
    by_group_->next_.reset();  // left unread by an earlier group
  }
  if (next->group != group_) return false;
  *record = next->record;
  by_group_->next_.reset();
  return true;
}

Status WordPagesByGroup::Reader::status() const {
  return by_group_->pass_.ok() ? by_group_->sorted_.status() : by_group_->pass_;
}

}  // namespace docbase
