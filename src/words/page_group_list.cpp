#include "words/page_group_list.h"

#include "common/line_reader.h"
#include "common/quoted_record.h"

namespace docbase {

size_t PageGroupList::IndexOf(std::string_view page) const {
  auto found = index_of_page.find(page);
  return found == index_of_page.end() ? kNoPage : found->second;
}

Status ReadPageGroups(const WorkArea& area, int64_t group_count,
                      PageGroupList* groups) {
  *groups = PageGroupList();
  groups->group_count = group_count;
  std::vector<std::string_view> fields;
  for (int64_t group = 1; group <= group_count; ++group) {
    groups->group_begin.push_back(groups->pages.size());
    LineReader reader;
    DOCBASE_RETURN_IF_ERROR(
        reader.Open(area.Path(GroupFileName("group_search_", group))));
    std::string_view line;
    while (reader.Next(&line)) {
      SplitQuotedRecord(line, &fields);
      std::string page(fields[0]);
      groups->index_of_page.emplace(page, groups->pages.size());
      groups->pages.push_back(std::move(page));
      groups->group_of_page.push_back(group);
    }
    DOCBASE_RETURN_IF_ERROR(reader.status());
  }
  groups->group_begin.push_back(groups->pages.size());
  return Status::Ok();
}

std::string GroupFileName(std::string_view prefix, int64_t group) {
  return std::string(prefix) + std::to_string(group) + ".txt";
}

std::vector<std::string> GroupFileNames(std::string_view prefix,
                                        int64_t group_count) {
  std::vector<std::string> names;
  for (int64_t group = 1; group <= group_count; ++group) {
    names.push_back(GroupFileName(prefix, group));
  }
  return names;
}

std::string_view PageNumberText(std::string_view page) {
  constexpr size_t kStart = 5;  // after "page_"
  if (page.size() <= kStart) return {};
  size_t end = page.find(".htm");
  if (end == std::string_view::npos) end = page.size();
  if (end < kStart) return {};
  return page.substr(kStart, end - kStart);
}

}  // namespace docbase
