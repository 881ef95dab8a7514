#include "words/next_pages.h"

#include <algorithm>

namespace docbase {

uint32_t NextPageIndex::PageNumber(std::string_view page) {
  std::string name(page);
  auto [entry, added] = page_numbers_.emplace(
      name, static_cast<uint32_t>(page_names_.size()));
  if (added) page_names_.push_back(std::move(name));
  return entry->second;
}

void NextPageIndex::Add(size_t slot, std::string_view page) {
  std::vector<uint32_t>& runs = page_runs_[slot];
  uint32_t number = PageNumber(page);
  if (runs.empty() || runs.back() != number) runs.push_back(number);
}

void NextPageIndex::Finish() {
  constexpr uint32_t kUndecided = kNone - 1;
  answer_begin_.assign(1, 0);
  // (page, position of its run, answer) for the runs of one word.
  struct Visit {
    uint32_t page;
    size_t position;
    uint32_t answer;
  };
  std::vector<Visit> visits;
  for (std::vector<uint32_t>& runs : page_runs_) {
    visits.clear();
    for (size_t i = 0; i < runs.size(); ++i) {
      uint32_t answer = kNone;  // the list ends after this page's records
      if (i + 1 < runs.size()) {
        answer = page_names_[runs[i + 1]] > page_names_[runs[i]] ? runs[i + 1]
                                                                 : kUndecided;
      }
      visits.push_back(Visit{runs[i], i, answer});
    }
    // The scan decides at the first visit of a page that reaches the end of
    // the list or a greater page; a page never decided gets no next page.
    std::sort(visits.begin(), visits.end(), [](const Visit& a, const Visit& b) {
      return a.page != b.page ? a.page < b.page : a.position < b.position;
    });
    for (size_t i = 0; i < visits.size();) {
      uint32_t page = visits[i].page;
      uint32_t answer = kNone;
      bool decided = false;
      for (; i < visits.size() && visits[i].page == page; ++i) {
        if (!decided && visits[i].answer != kUndecided) {
          answer = visits[i].answer;
          decided = true;
        }
      }
      answers_.emplace_back(page, answer);
    }
    answer_begin_.push_back(answers_.size());
    std::vector<uint32_t>().swap(runs);
  }
}

std::string_view NextPageIndex::NextPage(size_t slot,
                                         const std::string& page) const {
  auto number = page_numbers_.find(page);
  if (number == page_numbers_.end()) return {};
  auto begin = answers_.begin() + answer_begin_[slot];
  auto end = answers_.begin() + answer_begin_[slot + 1];
  auto found = std::lower_bound(
      begin, end, number->second,
      [](const std::pair<uint32_t, uint32_t>& entry, uint32_t key) {
        return entry.first < key;
      });
  if (found == end || found->first != number->second ||
      found->second == kNone) {
    return {};
  }
  return page_names_[found->second];
}

}  // namespace docbase
