#include "sort/run_files.h"

#include <algorithm>

#include "sort/line_order.h"

namespace docbase {

std::string RunFileName(size_t number) {
  return "file_s_" + std::to_string(number) + ".txt";
}

Status RunWriter::WriteRun() {
  auto line = [this](size_t i) {
    size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_).substr(begin, ends_[i] - begin);
  };
  if (run_count_ == 0) shared_ = first_line_.size();
  // What the lines of this run begin with alike, and all lines so far.
  std::string_view first = line(0);
  size_t shared = std::min(shared_, SharedLength(first, first_line_));
  for (size_t i = 1; i < ends_.size(); ++i) {
    shared = std::min(shared, SharedLength(first, line(i).substr(0, shared)));
  }
  shared_ = std::min(shared_, shared);

  entries_.clear();
  for (size_t i = 0; i < ends_.size(); ++i) {
    entries_.push_back(Entry{PrefixKey(line(i), shared),
                             static_cast<uint32_t>(i)});
  }
  // Equal lines by input position: the order is stable.
  std::sort(entries_.begin(), entries_.end(),
            [&](const Entry& a, const Entry& b) {
              if (a.key != b.key) return a.key < b.key;
              int order = CompareKeyed(a.key, line(a.index), b.key,
                                       line(b.index), shared);
              return order < 0 || (order == 0 && a.index < b.index);
            });

  DOCBASE_RETURN_IF_ERROR(writer_.Open(area_.Path(RunFileName(++run_count_))));
  for (const Entry& entry : entries_) writer_.WriteLine(line(entry.index));
  bytes_.clear();
  ends_.clear();
  return writer_.Close();
}

}  // namespace docbase
