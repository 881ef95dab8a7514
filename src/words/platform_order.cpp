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

PlatformOrderedRuns::PlatformOrderedRuns(LineRouter* router)
    : emit_([router](size_t target, std::string_view line, uint32_t) {
        return router->Add(target, line);
      }) {}

Status PlatformOrderedRuns::Add(std::string_view key, size_t target,
                                std::string_view line, uint32_t tag) {
  if (!run_.empty() && key != key_) DOCBASE_RETURN_IF_ERROR(Finish());
  if (run_.empty()) {
    key_.assign(key);
    target_ = target;
  }
  run_.push_back(Entry{bytes_.size(), line.size(), tag});
  bytes_.append(line);
  return Status::Ok();
}

Status PlatformOrderedRuns::Finish() {
  if (run_.size() > 1) {
    std::stable_sort(run_.begin(), run_.end(),
                     [this](const Entry& a, const Entry& b) {
                       return PlatformSortLess(EntryLine(a), EntryLine(b));
                     });
  }
  for (const Entry& entry : run_) {
    DOCBASE_RETURN_IF_ERROR(emit_(target_, EntryLine(entry), entry.tag));
  }
  run_.clear();
  bytes_.clear();
  return Status::Ok();
}

}  // namespace docbase
