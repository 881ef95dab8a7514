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
// Words are numbered 0 .. word_count - 1 by the caller ("slots"), and the
// answers are asked for by a key of the caller's choice for each word (the
// slot itself by default): a caller that can compute a word's key from its
// text then needs no table to find the word's slot first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "words/text_hash.h"

namespace docbase {

class NextPageIndex {
 public:
  explicit NextPageIndex(size_t word_count = 0)
      : page_runs_(word_count), keys_(word_count) {}

  // One record of the list file of word `slot`, in list file order (words
  // beyond the count given are added); the answers name the word `key`.
  // Different words must have different keys.
  void Add(size_t slot, uint32_t key, std::string_view page);
  void Add(size_t slot, std::string_view page) {
    Add(slot, static_cast<uint32_t>(slot), page);
  }
  // Works out the answers; call once, after the last Add.
  void Finish();
  // The next page after `page` holding the word with key `key`; empty when
  // there is none (also when the word's list holds no record of `page`).
  std::string_view NextPage(uint32_t key, std::string_view page) const {
    return NextPage(key, FindPage(page));
  }

  // The same in two steps, for callers that meet one page many times: the
  // number of a page (kNoPage for a page no list holds), then the answer.
  static constexpr uint32_t kNoPage = UINT32_MAX;
  uint32_t FindPage(std::string_view page) const;
  std::string_view NextPage(uint32_t key, uint32_t page_number) const {
    return PageName(NextPageNumber(key, page_number));
  }
  // The answer as a page number (kNoPage for none), and the page it names
  // (empty for kNoPage).
  uint32_t NextPageNumber(uint32_t key, uint32_t page_number) const;
  std::string_view PageName(uint32_t page_number) const {
    return page_number == kNoPage ? std::string_view()
                                  : std::string_view(page_names_[page_number]);
  }

 private:
  static constexpr uint32_t kNone = kNoPage;

  uint32_t PageNumber(std::string_view page);

  std::vector<std::string> page_names_;
  std::unordered_map<std::string, uint32_t, TextHash, std::equal_to<>>
      page_numbers_;
  // Per word until Finish: its list's pages, equal neighbours merged.
  std::vector<std::vector<uint32_t>> page_runs_;
  std::vector<uint32_t> keys_;  // per word
  // After Finish: per page, (word key, next page) sorted by key, stored from
  // answers_[answer_begin_[page]] to answers_[answer_begin_[page + 1]].
  // Kept by page because the callers go through the records page by page:
  // the answers of one page then stay in the processor's caches.
  std::vector<size_t> answer_begin_;
  std::vector<std::pair<uint32_t, uint32_t>> answers_;
};

}  // namespace docbase
