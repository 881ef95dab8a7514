#include "sort/run_files.h"

#include <algorithm>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"

namespace docbase {
namespace {

// One run in memory: the bytes of its lines end to end in one buffer, so a
// run costs no allocation per line once the buffers have grown.
class RunBuffer {
 public:
  void Add(std::string_view line) {
    bytes_.append(line);
    ends_.push_back(bytes_.size());
  }
  size_t size() const { return ends_.size(); }

  // Orders the lines and writes them to `path`; empties the buffer.
  Status WriteSorted(const std::filesystem::path& path, LineWriter* writer) {
    lines_.clear();
    size_t begin = 0;
    for (size_t end : ends_) {
      lines_.emplace_back(bytes_.data() + begin, end - begin);
      begin = end;
    }
    // string_view compares as unsigned bytes, shorter prefix first.
    std::stable_sort(lines_.begin(), lines_.end());
    DOCBASE_RETURN_IF_ERROR(writer->Open(path));
    for (std::string_view line : lines_) writer->WriteLine(line);
    bytes_.clear();
    ends_.clear();
    return writer->Close();
  }

 private:
  std::string bytes_;
  std::vector<size_t> ends_;
  std::vector<std::string_view> lines_;
};

}  // namespace

std::string RunFileName(size_t number) {
  return "file_s_" + std::to_string(number) + ".txt";
}

Status MakeSortedRuns(const WorkArea& area, std::string_view input,
                      size_t run_lines, size_t* run_count) {
  *run_count = 0;
  LineReader reader;
  DOCBASE_RETURN_IF_ERROR(reader.Open(area.Path(input)));
  LineWriter writer;
  RunBuffer run;
  std::string_view line;
  while (reader.Next(&line)) {
    run.Add(line);
    if (run.size() == run_lines) {
      DOCBASE_RETURN_IF_ERROR(
          run.WriteSorted(area.Path(RunFileName(++*run_count)), &writer));
    }
  }
  DOCBASE_RETURN_IF_ERROR(reader.status());
  if (run.size() > 0) {
    DOCBASE_RETURN_IF_ERROR(
        run.WriteSorted(area.Path(RunFileName(++*run_count)), &writer));
  }
  return Status::Ok();
}

}  // namespace docbase
