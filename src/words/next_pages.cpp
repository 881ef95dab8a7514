#include "words/next_pages.h"

#include <algorithm>

namespace docbase {

uint32_t NextPageIndex::PageNumber(std::string_view page) {
  auto found = page_numbers_.find(page);
  if (found != page_numbers_.end()) return found->second;
  uint32_t number = static_cast<uint32_t>(page_names_.size());
  page_names_.emplace_back(page);
  page_numbers_.emplace(page_names_.back(), number);
  return number;
}

void NextPageIndex::Add(size_t slot, uint32_t key, std::string_view page) {
  if (slot >= page_runs_.size()) page_runs_.resize(slot + 1);
  if (slot >= keys_.size()) keys_.resize(slot + 1);
  keys_[slot] = key;
  std::vector<uint32_t>& runs = page_runs_[slot];
  uint32_t number = PageNumber(page);
  if (runs.empty() || runs.back() != number) runs.push_back(number);
}

void NextPageIndex::Finish() {
  constexpr uint32_t kUndecided = kNone - 1;
  // (page, word key, answer), word by word.
  struct Answer {
    uint32_t page;
    uint32_t key;
    uint32_t answer;
  };
  std::vector<Answer> by_word;
  // (page, position of its run, answer) for the runs of one word.
  struct Visit {
    uint32_t page;
    size_t position;
    uint32_t answer;
  };
  std::vector<Visit> visits;
  for (size_t slot = 0; slot < page_runs_.size(); ++slot) {
    std::vector<uint32_t>& runs = page_runs_[slot];
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
      by_word.push_back(Answer{page, keys_[slot], answer});
    }
    std::vector<uint32_t>().swap(runs);
  }
  // Regrouped by page (a counting sort, which keeps the word order).
  answer_begin_.assign(page_names_.size() + 1, 0);
  for (const Answer& a : by_word) ++answer_begin_[a.page + 1];
  for (size_t page = 0; page < page_names_.size(); ++page) {
    answer_begin_[page + 1] += answer_begin_[page];
  }
  std::vector<size_t> next_free(answer_begin_.begin(), answer_begin_.end() - 1);
  answers_.resize(by_word.size());
  for (const Answer& a : by_word) {
    answers_[next_free[a.page]++] = {a.key, a.answer};
  }
  // Keys usually rise with the slots, and the pages' answers are in order.
  for (size_t page = 0; page < page_names_.size(); ++page) {
    auto begin = answers_.begin() + answer_begin_[page];
    auto end = answers_.begin() + answer_begin_[page + 1];
    if (!std::is_sorted(begin, end)) std::sort(begin, end);
  }
}

uint32_t NextPageIndex::FindPage(std::string_view page) const {
  auto found = page_numbers_.find(page);
  return found == page_numbers_.end() ? kNoPage : found->second;
}

uint32_t NextPageIndex::NextPageNumber(uint32_t key,
                                       uint32_t page_number) const {
  if (page_number == kNoPage) return kNoPage;
  auto begin = answers_.begin() + answer_begin_[page_number];
  auto end = answers_.begin() + answer_begin_[page_number + 1];
  auto found = std::lower_bound(
      begin, end, key,
      [](const std::pair<uint32_t, uint32_t>& entry, uint32_t wanted) {
        return entry.first < wanted;
      });
  if (found == end || found->first != key) return kNoPage;
  return found->second;
}

}  // namespace docbase
