// NextPageIndex answers, for a word and a page, which page holds the word
// next: the answer the scan of the word's list file gives (skip to the
// first record of the page, skip the page's records, take the page reached
// if it is greater in byte order, otherwise look for the page again
// further on). Because the list file of a word is in page order, this is
// the next page, in page-name byte order, that holds the word.
//
// It is built from the word list records in one pass and keeps, per word,
// only the runs of equal pages; its size grows with the number of distinct
// (word, page) pairs, not with the number of occurrences.
//
// Words are numbered 0 .. word_count - 1 by the caller ("slots").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace docbase {

class NextPageIndex {
 public:
  explicit NextPageIndex(size_t word_count) : page_runs_(word_count) {}

  // One record of the list file of word `slot`, in list file order.
  void Add(size_t slot, std::string_view page);
  // Works out the answers; call once, after the last Add.
  void Finish();
  // The next page after `page` holding word `slot`; empty when there is
  // none (also when the word's list holds no record of `page`).
  std::string_view NextPage(size_t slot, const std::string& page) const;

 private:
  static constexpr uint32_t kNone = UINT32_MAX;

  uint32_t PageNumber(std::string_view page);

  std::vector<std::string> page_names_;
  std::unordered_map<std::string, uint32_t> page_numbers_;
  // Per word until Finish: its list's pages, equal neighbours merged.
  std::vector<std::vector<uint32_t>> page_runs_;
  // After Finish: per word, (page, next page) sorted by page, stored from
  // answers_[answer_begin_[slot]] to answers_[answer_begin_[slot + 1]].
  std::vector<size_t> answer_begin_;
  std::vector<std::pair<uint32_t, uint32_t>> answers_;
};

}  // namespace docbase
