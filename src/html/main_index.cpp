#include "html/main_index.h"

#include <charconv>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/run_clock.h"
#include "common/text.h"
#include "html/page_head.h"
#include "html/quoted_fields.h"
#include "html/same_bytes.h"
#include "sort/file_sort.h"

namespace docbase {
namespace {

constexpr std::string_view kSortedRecords = "wrd_16.txt";

void WriteHeader(LineWriter& out, const RunState& state) {
  WritePageHead(out, state.display.code_page_name, "index of key words");
  out.WriteLine("<br>");
  WriteQuickSearchIntro(out);
  WriteDetailsLink(out, state);
  WriteDateTimeLines(out, CurrentDateTime());
  out.WriteLine("<br><br>");
  out.WriteLine("Use a combination of two keys (CTRL + F) to search.");
  out.WriteLine("<br><br>");
}

// The entries of the main index, fed one wrd_16 record at a time. A group
// link is written when the run of records of its (id, group) ends.
class MainIndexEntries {
 public:
  explicit MainIndexEntries(LineWriter& out) : out_(out) {}

  void Add(std::string_view id, std::string_view group,
           std::string_view word) {
    if (count_ > 0 && SameBytes(id, id_) && SameBytes(group, group_)) {
      ++count_;
      return;
    }
    if (count_ == 0 || id != id_) {
      if (count_ > 0) {
        WriteGroupLink();
        out_.WriteLine("<br>");
      }
      out_.WriteLine(word);
      id_ = id;
    } else {
      WriteGroupLink();
    }
    group_ = group;
    count_ = 1;
  }

  void Finish() {
    if (count_ > 0) WriteGroupLink();
  }

  // Group number -> count shown by the group's last link.
  const std::map<std::string, int64_t>& last_counts() const {
    return last_counts_;
  }

 private:
  // &nbsp;&nbsp;<a href="i_G.htm#ID" id="ID">(i_G,&nbsp;&nbsp;COUNT)</a>
  void WriteGroupLink() {
    char count[24];
    const auto digits = std::to_chars(count, count + sizeof count, count_);
    out_.Write("&nbsp;&nbsp;<a href=\"i_");
    out_.Write(group_);
    out_.Write(".htm#");
    out_.Write(id_);
    out_.Write("\" id=\"");
    out_.Write(id_);
    out_.Write("\">(i_");
    out_.Write(group_);
    out_.Write(",&nbsp;&nbsp;");
    out_.Write(std::string_view(count, static_cast<size_t>(digits.ptr - count)));
    out_.Write(")</a>\r\n");
    last_counts_[group_] = count_;
  }

  LineWriter& out_;
  std::string id_;
  std::string group_;  // the grp field without its blanks
  int64_t count_ = 0;  // records of (id_, group_) so far; 0 before the first
  std::map<std::string, int64_t> last_counts_;
};

// wrd_11_G_count.txt as the count command for the group's last link
// leaves it.
Status WriteCountFiles(const WorkArea& area,
                       const std::map<std::string, int64_t>& last_counts) {
  for (const auto& [group, count] : last_counts) {
    std::string counted = "wrd_11_" + group + ".txt";
    LineWriter out;
    DOCBASE_RETURN_IF_ERROR(
        out.Open(area.Path("wrd_11_" + group + "_count.txt")));
    out.WriteLine("---------- " + counted + ": " + std::to_string(count));
    DOCBASE_RETURN_IF_ERROR(out.Close());
  }
  return Status::Ok();
}

}  // namespace

Status SortMainIndexRecords(const WorkArea& area, RunState& state,
                            Console& console, int64_t* total) {
  state.sort_input_name = "wrd_15.txt";
  state.sort_output_name = std::string(kSortedRecords);
  DOCBASE_RETURN_IF_ERROR(FileSort(area, state, console));

  LineReader records;
  DOCBASE_RETURN_IF_ERROR(records.Open(area.Path(kSortedRecords)));
  int64_t count = 0;
  std::string_view line;
  while (records.Next(&line)) ++count;
  DOCBASE_RETURN_IF_ERROR(records.status());
  *total = count;
  return Status::Ok();
}

Status WriteMainIndex(const WorkArea& area, const RunState& state,
                      Console& console, int64_t total) {
  LineReader records;
  DOCBASE_RETURN_IF_ERROR(records.Open(area.Path(kSortedRecords)));
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path("index.htm")));
  WriteHeader(out, state);

  MainIndexEntries entries(out);
  bool progress_shown = false;
  int64_t records_read = 0;
  std::string_view line;
  while (records.Next(&line)) {
    ++records_read;
    // Only the first record can satisfy this (total / 1 > 2).
    if (!progress_shown && total > 2 * records_read) {
      console.Line("processed 80%");
      progress_shown = true;
    }
    // id, group, page, line, column, word, ...
    QuotedFields fields(line);
    const std::string_view id = fields.Next();
    const std::string_view group = TrimBlanks(fields.Next());
    fields.Skip(3);
    entries.Add(id, group, fields.Next());
  }
  DOCBASE_RETURN_IF_ERROR(records.status());
  entries.Finish();

  out.WriteLine("</body>");
  out.WriteLine("</html>");
  DOCBASE_RETURN_IF_ERROR(out.Close());
  return WriteCountFiles(area, entries.last_counts());
}

}  // namespace docbase
