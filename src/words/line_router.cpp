#include "words/line_router.h"

#include "common/quoted_record.h"

namespace docbase {

LineRouter::LineRouter(const WorkArea& area,
                       std::vector<std::string> target_names,
                       size_t memory_limit)
    : area_(area), memory_limit_(memory_limit) {
  targets_.reserve(target_names.size());
  for (std::string& name : target_names) {
    targets_.push_back(Target{std::move(name), {}, false});
  }
}

Status LineRouter::Add(size_t target, std::string_view line) {
  std::string& pending = targets_[target].pending;
  size_t before = pending.size();
  pending.append(line);
  pending.append("\r\n");
  return AfterAppend(target, before);
}

Status LineRouter::AddPieces(size_t target,
                             std::initializer_list<std::string_view> pieces) {
  std::string& pending = targets_[target].pending;
  size_t before = pending.size();
  for (std::string_view piece : pieces) pending.append(piece);
  pending.append("\r\n");
  return AfterAppend(target, before);
}

Status LineRouter::AddRecord(size_t target,
                             std::initializer_list<std::string_view> fields) {
  std::string& pending = targets_[target].pending;
  size_t before = pending.size();
  AppendQuotedRecord(&pending, fields);
  pending.append("\r\n");
  return AfterAppend(target, before);
}

Status LineRouter::AfterAppend(size_t target, size_t bytes_before) {
  pending_bytes_ += targets_[target].pending.size() - bytes_before;
  return pending_bytes_ > memory_limit_ ? FlushAll() : Status::Ok();
}

Status LineRouter::FlushAll() {
  for (Target& target : targets_) {
    if (target.pending.empty()) continue;
    DOCBASE_RETURN_IF_ERROR(writer_.Open(
        area_.Path(target.name), target.created ? LineWriter::Mode::kAppend
                                                : LineWriter::Mode::kReplace));
    target.created = true;
    writer_.Write(target.pending);
    DOCBASE_RETURN_IF_ERROR(writer_.Close());
    // Give the memory back: a target that was busy in one stretch of the
    // input may stay quiet for the rest of it.
    std::string().swap(target.pending);
  }
  pending_bytes_ = 0;
  return Status::Ok();
}

Status LineRouter::Finish() {
  DOCBASE_RETURN_IF_ERROR(FlushAll());
  for (Target& target : targets_) {
    if (target.created) continue;
    DOCBASE_RETURN_IF_ERROR(writer_.Open(area_.Path(target.name)));
    target.created = true;
    DOCBASE_RETURN_IF_ERROR(writer_.Close());
  }
  return Status::Ok();
}

}  // namespace docbase
