#include "html/modern/main_index.h"

#include <optional>
#include <string>
#include <vector>

#include "html/decimal_text.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "io/line_writer.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

// What the front page shows of one main-index page.
struct PartSummary {
  std::string first_id;
  std::string first_word;
  std::string last_word;
  uint64_t words = 0;
};

class ModernMainIndexWriter {
 public:
  ModernMainIndexWriter(const WorkArea& area, const Settings& settings,
                        const MainIndexParts& parts)
      : area_(area),
        settings_(settings),
        parts_(parts),
        summaries_(parts.count()) {}

  Status Add(const WordPageEntry& entry) {
    if (have_entry_ && entry.id == id_ && entry.group == group_) {
      count_ += entry.count;
      return Status::Ok();
    }
    if (have_entry_) WriteGroupLink();
    if (!have_entry_ || entry.id != id_) {
      if (have_entry_) out_.WriteLine("</p>");
      DOCBASE_RETURN_IF_ERROR(OpenPart(parts_.PartOf(entry.id)));
      StartWord(entry);
    }
    group_ = entry.group;
    count_ = entry.count;
    have_entry_ = true;
    return Status::Ok();
  }

  // Ends the last page, writes the pages left empty and the front page.
  Status Finish() {
    if (have_entry_) {
      WriteGroupLink();
      out_.WriteLine("</p>");
    }
    DOCBASE_RETURN_IF_ERROR(OpenPart(parts_.count() + 1));
    return WriteFrontPage();
  }

 private:
  void StartWord(const WordPageEntry& entry) {
    blocks_->Entry();
    id_.assign(entry.id);
    out_.Write("<p id=\"");
    out_.Write(entry.id);
    out_.Write("\"><b>");
    WriteEscaped(out_, entry.word);
    out_.Write("</b>");
    first_group_ = true;
    PartSummary& summary = summaries_[open_part_ - 1];
    if (summary.words == 0) {
      summary.first_id.assign(entry.id);
      summary.first_word.assign(entry.word);
    }
    summary.last_word.assign(entry.word);
    ++summary.words;
    ++total_words_;
  }

  // " i_G (N)", after the first one ", i_G (N)": the script links it to
  // "i_G.htm#ID".
  void WriteGroupLink() {
    out_.Write(first_group_ ? " " : ", ");
    first_group_ = false;
    out_.Write(WordIndexPageStem(DecimalText(group_).view()));
    out_.Write(" (");
    out_.Write(DecimalText(count_).view());
    out_.Write(")");
    total_occurrences_ += count_;
  }

  // Closes the open page and opens page `part`, writing the pages between
  // them empty, so that every planned page exists. `part` past the last
  // closes the last.
  Status OpenPart(int64_t part) {
    while (open_part_ < part) {
      if (open_part_ > 0) DOCBASE_RETURN_IF_ERROR(ClosePart());
      if (open_part_ + 1 > parts_.count()) {
        open_part_ = part;
        break;
      }
      ++open_part_;
      DOCBASE_RETURN_IF_ERROR(
          out_.Open(area_.Path(MainIndexPartName(open_part_))));
      WritePartTop();
      blocks_.emplace(out_, "mi", kMainIndexEntriesPerBlock);
    }
    return Status::Ok();
  }

  void WritePartTop() {
    const std::string n = std::to_string(open_part_);
    std::vector<NavigationLink> links{
        {std::string(MainIndexPageName()), "All words"}};
    if (open_part_ > 1) {
      links.push_back(
          {MainIndexPartName(open_part_ - 1), "Previous part", "prev"});
    }
    if (open_part_ < parts_.count()) {
      links.push_back({MainIndexPartName(open_part_ + 1), "Next part", "next"});
    }
    links.push_back({std::string(ContentsPageName()), "Contents"});
    WriteListPageTop(
        out_, settings_,
        "Main index, part " + n + " of " + std::to_string(parts_.count()),
        links,
        "Each word with one link per page group that holds it, and its "
        "number of occurrences there.");
    out_.WriteLine("<main>");
  }

  Status ClosePart() {
    blocks_->Finish();
    out_.WriteLine("</main>");
    WriteModernEnd(out_);
    return out_.Close();
  }

  Status WriteFrontPage() {
    DOCBASE_RETURN_IF_ERROR(out_.Open(area_.Path(MainIndexPageName())));
    WriteListPageTop(out_, settings_, "Main index",
                     {{std::string(ContentsPageName()), "Contents"}},
                     "Every word of the document base, in the pages below.");
    out_.WriteLine("<main>");
    out_.WriteLine(
        "<form id=\"find\" class=\"find\" action=\"#ranges\"><label "
        "for=\"word\">Find a "
        "word</label> <input id=\"word\" name=\"word\" type=\"search\" "
        "autocomplete=\"off\"> <button type=\"submit\">Go</button></form>");
    out_.Write("<p class=\"totals\">");
    out_.Write(DecimalText(total_words_).view());
    out_.Write(" words, ");
    out_.Write(DecimalText(total_occurrences_).view());
    out_.Write(" occurrences, in ");
    out_.Write(DecimalText(static_cast<uint64_t>(parts_.count())).view());
    out_.WriteLine(parts_.count() == 1 ? " page:</p>" : " pages:</p>");
    out_.WriteLine("<ol class=\"ranges\" id=\"ranges\">");
    for (int64_t part = 1; part <= parts_.count(); ++part) {
      const PartSummary& summary = summaries_[part - 1];
      out_.Write("<li><a href=\"");
      out_.Write(MainIndexPartName(part));
      if (summary.words > 0) {
        out_.Write("\" data-id=\"");
        out_.Write(summary.first_id);
        out_.Write("\" data-first=\"");
        WriteEscaped(out_, summary.first_word);
      }
      out_.Write("\">");
      if (summary.words == 0) {
        out_.Write("(no words)");
      } else {
        WriteEscaped(out_, summary.first_word);
        out_.Write(" &ndash; ");
        WriteEscaped(out_, summary.last_word);
      }
      out_.Write("</a> (");
      out_.Write(DecimalText(summary.words).view());
      out_.WriteLine(summary.words == 1 ? " word)</li>" : " words)</li>");
    }
    out_.WriteLine("</ol>");
    out_.WriteLine("</main>");
    WriteModernEnd(out_);
    return out_.Close();
  }

  const WorkArea& area_;
  const Settings& settings_;
  const MainIndexParts& parts_;
  std::vector<PartSummary> summaries_;
  LineWriter out_;
  std::optional<Blocks> blocks_;
  int64_t open_part_ = 0;

  bool have_entry_ = false;
  std::string id_;
  uint32_t group_ = 0;
  uint64_t count_ = 0;
  bool first_group_ = true;
  uint64_t total_words_ = 0;
  uint64_t total_occurrences_ = 0;
};

}  // namespace

Status WriteModernMainIndex(const WorkArea& area, const Settings& settings,
                            const MainIndexParts& parts, WordPageSource& source) {
  ModernMainIndexWriter writer(area, settings, parts);
  WordPageEntry entry;
  while (source.Next(&entry)) DOCBASE_RETURN_IF_ERROR(writer.Add(entry));
  DOCBASE_RETURN_IF_ERROR(source.status());
  return writer.Finish();
}

}  // namespace docbase
