#include "html/modern/search_page.h"

#include <string>
#include <string_view>

#include "common/line_writer.h"
#include "common/text.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "html/piece_buffer.h"
#include "html/search_phrase.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

class ModernSearchWriter {
 public:
  ModernSearchWriter(LineWriter& out, const Settings& settings,
                     const MainIndexParts& parts, SplitMix64& random,
                     int64_t group)
      : out_(out),
        settings_(settings),
        parts_(parts),
        random_(random),
        blocks_(out, "sp", kSearchLinesPerBlock) {
    const std::string g = std::to_string(group);
    word_index_ = WordIndexPageName(g);
    word_index_stem_ = WordIndexPageStem(g);
  }

  void Add(const OccurrenceRecord& record) {
    const bool new_page = !started_ || record.page != page_;
    if (started_ && (new_page || record.line != line_)) EndLine();
    if (new_page) {
      blocks_.Finish();
      page_.assign(record.page);
    }
    if (!in_line_) StartLine(record, new_page);
    out_.Write(" <a id=\"");
    out_.Write(record.id);
    out_.Write("_");
    out_.Write(record.k_text);
    out_.Write("\" href=\"");
    out_.Write(word_index_);
    out_.Write("#");
    out_.Write(record.id);
    out_.Write("\">");
    WriteEscaped(out_, record.word);
    out_.Write("</a>");
    draw_limit_ = phrase_words_.size();
    phrase_words_.Append(TrimBlanks(record.word));
    phrase_words_.Append(' ');
    ++word_count_;
  }

  void Finish() {
    if (in_line_) EndLine();
    blocks_.Finish();
  }

 private:
  void StartLine(const OccurrenceRecord& record, bool new_page) {
    blocks_.Entry();
    if (new_page) {
      out_.Write("<h2><a href=\"");
      WriteEscaped(out_, record.page);
      out_.Write("\">");
      WriteEscaped(out_, record.page);
      out_.WriteLine("</a></h2>");
    }
    started_ = true;
    in_line_ = true;
    line_ = record.line;
    first_id_.assign(record.id);
    phrase_words_.Clear();
    word_count_ = 0;
    draw_limit_ = 0;
    out_.Write("<p>");
  }

  // The line's links, then the end of its paragraph.
  void EndLine() {
    // The links start a line of their own by the stylesheet (a.l), not by
    // elements of their own: a search page holds a line per line of text.
    out_.Write(" <a class=\"l\" href=\"");
    out_.Write(word_index_);
    out_.Write("#");
    out_.Write(first_id_);
    out_.Write("\">");
    out_.Write(word_index_stem_);
    out_.Write("</a> <a href=\"");
    out_.Write(parts_.PageOf(first_id_));
    out_.Write("#");
    out_.Write(first_id_);
    out_.Write("\">index</a> <a href=\"");
    out_.Write(ContentsPageName());
    out_.Write("#");
    WriteEscaped(out_, page_);
    out_.Write("\">Content (");
    WriteEscaped(out_, page_);
    out_.Write(")</a>");
    std::string_view phrase = phrase_words_.view();
    if (word_count_ > kPhraseSlots) {
      drawn_phrase_ = SearchPhrase(phrase, word_count_, draw_limit_, random_);
      phrase = drawn_phrase_;
    }
    for (const std::string* address :
         {&settings_.target_address, &settings_.target_site}) {
      if (address->empty()) continue;
      out_.Write(" ");
      WriteWebSearchLink(out_, settings_, phrase, *address, *address);
    }
    out_.Write(" ");
    WriteWebSearchLink(out_, settings_, phrase, "", "web search");
    out_.WriteLine("</p>");
    in_line_ = false;
  }

  LineWriter& out_;
  const Settings& settings_;
  const MainIndexParts& parts_;
  SplitMix64& random_;
  Blocks blocks_;
  std::string word_index_;
  std::string word_index_stem_;

  bool started_ = false;
  bool in_line_ = false;
  std::string page_;
  uint64_t line_ = 0;
  std::string first_id_;
  PieceBuffer phrase_words_;
  std::string drawn_phrase_;
  int64_t word_count_ = 0;
  size_t draw_limit_ = 0;
};

}  // namespace

Status WriteModernSearchPage(const WorkArea& area, const Settings& settings,
                             const MainIndexParts& parts, SplitMix64& random,
                             int64_t group, OccurrenceSource& source) {
  const std::string g = std::to_string(group);
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path(SearchPageName(g))));
  WriteListPageTop(
      out, settings, "Search page, group " + g,
      {{std::string(MainIndexPageName()), "Main index"},
       {std::string(ContentsPageName()), "Contents"},
       {WordIndexPageName(g), "Word index " + WordIndexPageStem(g)}},
      "The words of the pages of this group, line by line, each line with "
      "web searches for its words.");
  out.WriteLine("<main>");

  ModernSearchWriter writer(out, settings, parts, random, group);
  OccurrenceRecord record;
  while (source.Next(&record)) writer.Add(record);
  DOCBASE_RETURN_IF_ERROR(source.status());
  writer.Finish();

  out.WriteLine("</main>");
  WriteModernEnd(out);
  return out.Close();
}

}  // namespace docbase
