#include "words/page_tables.h"

#include <algorithm>

#include "common/text.h"
#include "sort/line_order.h"

namespace docbase {

Status PageTables::Add(size_t page_index, const RecordView& record) {
  if (given_up_) return Status::Ok();
  std::string_view line = record.line();
  // A rebuilt record is not the line the sort of wrd_07.txt ordered.
  if (record.rebuilt()) return GiveUpNow();
  if (!started_) {
    if (page_index != 0) return GiveUpNow();
    started_ = true;
    page_ = 0;
    DOCBASE_RETURN_IF_ERROR(all_groups_.Open(area_.Path("wrd_15.txt")));
  } else if (page_index != page_) {
    // The pages must come one after the other, each once.
    if (page_index != page_ + 1) return GiveUpNow();
    DOCBASE_RETURN_IF_ERROR(WritePage(page_index));
  }
  if (bytes_.size() + line.size() > page_limit_) return GiveUpNow();
  size_t begin = bytes_.size();
  bytes_.append(line);
  auto at = [](size_t offset) { return static_cast<uint32_t>(offset); };
  Line entry;
  entry.key = 0;  // set when the page is complete
  entry.begin = at(begin);
  entry.size = at(line.size());
  entry.page = at(record.FieldBegin(2));
  entry.word_end = at(record.FieldEnd(5));
  entry.id = at(record.FieldBegin(6));
  entry.id_end = at(record.FieldEnd(6));
  entry.k = at(record.FieldBegin(7));
  entry.end = at(record.FieldEnd(7));
  lines_.push_back(entry);
  return Status::Ok();
}

Status PageTables::GiveUpNow() {
  given_up_ = true;
  // Closed at once: the files are written again the general way, and
  // nothing of this attempt may reach them afterwards.
  (void)page_table_.Close();
  (void)by_page_.Close();
  (void)with_id_.Close();
  (void)all_groups_.Close();
  std::string().swap(bytes_);
  std::vector<Line>().swap(lines_);
  return Status::Ok();
}

Status PageTables::StartGroup(int64_t group) {
  group_ = group;
  grp_ = BlankPadded(group, 5);
  DOCBASE_RETURN_IF_ERROR(
      by_page_.Open(area_.Path(GroupFileName("wrd_11_", group))));
  return with_id_.Open(area_.Path(GroupFileName("wrd_13_", group)));
}

Status PageTables::CloseGroup() {
  DOCBASE_RETURN_IF_ERROR(by_page_.Close());
  return with_id_.Close();
}

// Closes the files of the groups before `group` and opens those of the
// groups up to `group` (an empty group still gets its files).
Status PageTables::AdvanceToGroup(int64_t group) {
  while (group_ < group) {
    if (group_ > 0) DOCBASE_RETURN_IF_ERROR(CloseGroup());
    DOCBASE_RETURN_IF_ERROR(StartGroup(group_ + 1));
  }
  return Status::Ok();
}

Status PageTables::WritePage(size_t next_page) {
  DOCBASE_RETURN_IF_ERROR(AdvanceToGroup(groups_.group_of_page[page_]));
  auto line = [this](const Line& l) {
    return std::string_view(bytes_).substr(l.begin, l.size);
  };
  // The page's lines in the order of the file sort (stable).
  size_t shared = lines_.empty() ? 0 : line(lines_[0]).size();
  for (const Line& l : lines_) {
    shared = std::min(shared, SharedLength(line(lines_[0]), line(l)));
  }
  for (Line& l : lines_) l.key = PrefixKey(line(l), shared);
  std::sort(lines_.begin(), lines_.end(), [&](const Line& a, const Line& b) {
    int order = CompareKeyed(a.key, line(a), b.key, line(b), shared);
    return order < 0 || (order == 0 && a.begin < b.begin);
  });

  DOCBASE_RETURN_IF_ERROR(page_table_.Open(
      area_.Path("wrd_10_" + std::string(PageNumberText(groups_.pages[page_])) +
                 ".txt")));
  for (const Line& l : lines_) {
    std::string_view text = line(l);
    // page, line, col, word, id, k
    std::string_view kept = text.substr(l.page, l.end - l.page);
    // The id and k fields with their quotes.
    std::string_view id = text.substr(l.id, l.id_end - l.id);
    std::string_view k = text.substr(l.k, l.end - l.k);
    page_table_.WriteLine(kept);
    by_page_.WriteLine(kept);
    // id, page, line, col, word, id, k
    with_id_.Write(id);
    with_id_.Write(",");
    with_id_.WriteLine(kept);
    // id, grp, page, line, col, word, k
    all_groups_.Write(id);
    all_groups_.Write(",\"");
    all_groups_.Write(grp_);
    all_groups_.Write("\",");
    all_groups_.Write(text.substr(l.page, l.word_end - l.page));
    all_groups_.Write(",");
    all_groups_.WriteLine(k);
  }
  DOCBASE_RETURN_IF_ERROR(page_table_.Close());
  bytes_.clear();
  lines_.clear();
  page_ = next_page;
  return Status::Ok();
}

Status PageTables::Finish() {
  // Every page must have come (a page without records would need an empty
  // table of its own).
  if (!given_up_ && (!started_ || page_ + 1 != groups_.pages.size())) {
    return GiveUpNow();
  }
  if (given_up_) return Status::Ok();
  DOCBASE_RETURN_IF_ERROR(WritePage(groups_.pages.size()));
  DOCBASE_RETURN_IF_ERROR(AdvanceToGroup(groups_.group_count));
  DOCBASE_RETURN_IF_ERROR(CloseGroup());
  return all_groups_.Close();
}

}  // namespace docbase
