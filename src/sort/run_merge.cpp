#include "sort/run_merge.h"

#include <cerrno>

#include "sort/line_order.h"
#include "sort/loser_tree.h"
#include "sort/run_file_writer.h"

namespace docbase {
namespace {
constexpr size_t kRunReaderBuffer = 128 << 10;
}

RunMerger::RunMerger(size_t max_runs) {
  readers_.reserve(max_runs);
  for (size_t i = 0; i < max_runs; ++i) {
    readers_.push_back(std::make_unique<LineReader>(kRunReaderBuffer));
  }
}

Status RunMerger::Merge(const WorkArea& area,
                        const std::vector<std::string>& runs,
                        std::string_view output, Result* result,
                        size_t shared) {
  *result = Result();
  size_t count = runs.size();
  heads_.assign(count, {});
  keys_.assign(count, 0);
  live_.assign(count, 0);
  for (size_t i = 0; i < count; ++i) {
    LineReader& reader = *readers_.at(i);
    DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(runs[i])));
    live_[i] = reader.Next(&heads_[i]);
    DOCBASE_RETURN_IF_ERROR(reader.status());
    if (live_[i]) keys_[i] = PrefixKey(heads_[i], shared);
  }

  RunFileWriter writer;
  Status opened = writer.Open(area.Path(output));
  if (!opened.ok()) {
    int error = errno;  // still that of the failed open(2)
    for (size_t i = 0; i < count; ++i) readers_[i]->Close();
    if (error == EMFILE || error == ENFILE) {
      *result = {Outcome::kNoFileHandle, 0};
      return Status::Ok();
    }
    return opened;
  }

  if (count > 0) {
    // Exhausted runs lose every match; equal lines go to the earlier run.
    auto less = [this, shared](size_t a, size_t b) {
      if (!live_[a]) return false;
      if (!live_[b]) return true;
      int order = CompareKeyed(keys_[a], heads_[a], keys_[b], heads_[b], shared);
      return order < 0 || (order == 0 && a < b);
    };
    LoserTree<decltype(less)> tree(count, less);
    uint64_t previous_key = 0;
    for (size_t w = tree.winner(); live_[w]; w = tree.winner()) {
      std::string_view line = heads_[w];
      writer.WriteLine(line);
      if (result->lines > 0 &&
          CompareKeyed(keys_[w], line, previous_key, previous_, shared) < 0) {
        result->outcome = Outcome::kOutOfOrder;
      }
      previous_.assign(line);
      previous_key = keys_[w];
      ++result->lines;
      LineReader& reader = *readers_[w];
      if (reader.Next(&heads_[w])) {
        keys_[w] = PrefixKey(heads_[w], shared);
      } else {
        live_[w] = 0;
        DOCBASE_RETURN_IF_ERROR(reader.status());
        reader.Close();
      }
      tree.ReplayWinner();
    }
  }
  return writer.Close();
}

}  // namespace docbase
