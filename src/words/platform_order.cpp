#include "words/platform_order.h"

#include <algorithm>

#include "common/text.h"

namespace docbase {

bool PlatformSortLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(ToLowerAscii(x)) <
               static_cast<unsigned char>(ToLowerAscii(y));
      });
}

Status PlatformOrderedRuns::Add(std::string_view key, size_t target,
                                std::string line) {
  if (!run_.empty() && key != key_) DOCBASE_RETURN_IF_ERROR(Finish());
  if (run_.empty()) {
    key_.assign(key);
    target_ = target;
  }
  run_.push_back(std::move(line));
  return Status::Ok();
}

Status PlatformOrderedRuns::Finish() {
  if (run_.size() > 1) {
    std::stable_sort(run_.begin(), run_.end(),
                     [](const std::string& a, const std::string& b) {
                       return PlatformSortLess(a, b);
                     });
  }
  for (const std::string& line : run_) {
    DOCBASE_RETURN_IF_ERROR(router_->Add(target_, line));
  }
  run_.clear();
  return Status::Ok();
}

}  // namespace docbase
