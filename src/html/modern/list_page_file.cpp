#include "html/modern/list_page_file.h"

#include <utility>

#include "base/text.h"
#include "html/decimal_text.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "workarea/file_names.h"

namespace docbase {

ListPageFile::TopWriter ListPageTop(const Settings& settings,
                                    const MainIndexParts& parts, int64_t group,
                                    std::string title,
                                    std::vector<NavigationLink> links,
                                    std::string about) {
  return [&settings, &parts, group, title = std::move(title),
          links = std::move(links),
          about = std::move(about)](LineWriter& out, int64_t part) {
    WriteListPageTop(
        out, settings,
        part == 1 ? title : title + ", part " + std::to_string(part), links,
        about);
    WriteListPageData(out, settings, parts, group);
  };
}

ListPageFile::ListPageFile(const WorkArea& area, std::string_view page,
                           PageParts& parts, uint64_t part_bytes,
                           TopWriter top, PartRecord record)
    : area_(area),
      page_(page),
      parts_(parts),
      part_bytes_(part_bytes),
      top_(std::move(top)),
      record_(record) {}

Status ListPageFile::Open() {
  part_ = 1;
  status_ = out_.Open(area_.Path(std::string(TrimBlanks(page_))));
  WriteTop();
  return status_;
}

void ListPageFile::WriteTop() {
  blocks_in_part_ = 0;
  top_(out_, part_);
  word_index_.Clear();
  part_words_.clear();
  if (part_ > 1) {
    WriteContinuedFrom(out_, page_, part_);
    out_.WriteLine("");
  }
  out_.WriteLine("<main>");
}

bool ListPageFile::BeforeBlock() {
  const bool full = blocks_in_part_ > 0 && out_.written() >= part_bytes_;
  if (full) {
    out_.WriteLine("</main>");
    WriteContinuedIn(out_, page_, part_);
    WriteModernEnd(out_);
    WriteRecord(true);
    OpenNextPart(out_, area_, PagePartName(page_, part_ + 1), parts_, &status_);
    ++part_;
    WriteTop();
  }
  ++blocks_in_part_;
  return full;
}

void ListPageFile::NoteWord(std::string_view id) {
  last_word_ = WordIdNumber(id);
}

void ListPageFile::NoteOccurrenceInPart(std::string_view id, uint64_t k) {
  auto [at, added] = word_index_.TryEmplace(id, part_words_.size());
  if (added) {
    part_words_.emplace_back(WordIdNumber(id), k);
  } else if (k > part_words_[*at].second) {
    part_words_[*at].second = k;
  }
}

void ListPageFile::WriteRecord(bool goes_on) {
  if (part_ == 1) return;
  WritePartRecord(area_, page_, part_, goes_on, parts_, [this](LineWriter& out) {
    if (record_ == PartRecord::kLastWord) {
      out.Write("\"l\":");
      out.Write(DecimalText(last_word_).view());
      return;
    }
    out.Write("\"s\":\"");
    for (size_t at = 0; at < part_words_.size(); ++at) {
      if (at > 0) out.Write(" ");
      out.Write(DecimalText(part_words_[at].first).view());
      out.Write(".");
      out.Write(DecimalText(part_words_[at].second).view());
    }
    out.Write("\"");
  }, &status_);
}

Status ListPageFile::Finish() {
  // A group whose pages hold no indexed word still says so, rather than
  // showing an empty page.
  if (part_ == 1 && blocks_in_part_ == 0) {
    out_.WriteLine("<p>The pages of this group hold no indexed word.</p>");
  }
  out_.WriteLine("</main>");
  WriteModernEnd(out_);
  WriteRecord(false);
  Status closed = out_.Close();
  return status_.ok() ? closed : status_;
}

}  // namespace docbase
