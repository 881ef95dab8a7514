#include "html/classic/main_index.h"

#include <string>
#include <string_view>

#include "html/classic/page_head.h"
#include "html/decimal_text.h"
#include "io/line_writer.h"
#include "run/run_clock.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

void WriteHeader(LineWriter& out, const Settings& settings) {
  WriteKeyWordsPageTop(out, settings);
  out.WriteLine("<br><br>");
  out.WriteLine("Use a combination of two keys (CTRL + F) to search.");
  out.WriteLine("<br><br>");
}

// The entries of the main index, fed the word-and-page records in order. A
// group link is written when the records of its (word, group) end.
class MainIndexEntries {
 public:
  explicit MainIndexEntries(LineWriter& out) : out_(out) {}

  void Add(const WordPageEntry& entry) {
    if (count_ > 0 && entry.id == id_ && entry.group == group_) {
      count_ += entry.count;
      return;
    }
    if (count_ == 0 || entry.id != id_) {
      if (count_ > 0) {
        WriteGroupLink();
        out_.WriteLine("<br>");
      }
      out_.WriteLine(entry.word);
      id_.assign(entry.id);
    } else {
      WriteGroupLink();
    }
    if (entry.group != group_ || group_name_.empty()) {
      const DecimalText group_text(entry.group);
      group_name_ = WordIndexPageName(group_text.view());
      group_stem_ = WordIndexPageStem(group_text.view());
    }
    group_ = entry.group;
    count_ = entry.count;
  }

  void Finish() {
    if (count_ > 0) WriteGroupLink();
  }

 private:
  // &nbsp;&nbsp;<a href="i_G.htm#ID" id="ID">(i_G,&nbsp;&nbsp;COUNT)</a>
  void WriteGroupLink() {
    out_.Write("&nbsp;&nbsp;<a href=\"");
    out_.Write(group_name_);
    out_.Write("#");
    out_.Write(id_);
    out_.Write("\" id=\"");
    out_.Write(id_);
    out_.Write("\">(");
    out_.Write(group_stem_);
    out_.Write(",&nbsp;&nbsp;");
    out_.Write(DecimalText(count_).view());
    out_.Write(")</a>\r\n");
  }

  LineWriter& out_;
  std::string id_;
  uint32_t group_ = 0;
  std::string group_name_;  // the word index page of the group, and its
  std::string group_stem_;  // name as the link shows it
  uint64_t count_ = 0;  // occurrences of (id, group) so far; 0 before any
};

}  // namespace

Status WriteMainIndex(const WorkArea& area, const Settings& settings,
                      WordPageSource& source) {
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path(MainIndexPageName())));
  WriteHeader(out, settings);

  MainIndexEntries entries(out);
  WordPageEntry entry;
  while (source.Next(&entry)) entries.Add(entry);
  DOCBASE_RETURN_IF_ERROR(source.status());
  entries.Finish();

  out.WriteLine("</body>");
  out.WriteLine("</html>");
  return out.Close();
}

}  // namespace docbase
