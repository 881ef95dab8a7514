#include "html/classic/search_page.h"

#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "html/classic/page_head.h"
#include "html/classic/page_templates.h"
#include "html/occurrence_record.h"
#include "html/piece_buffer.h"
#include "html/same_bytes.h"
#include "html/search_phrase.h"
#include "io/line_writer.h"
#include "run/split_mix.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

struct Occurrence {
  std::string_view page;
  uint64_t line;
  std::string_view word;
  std::string_view id;
  std::string_view occurrence;
};

// Whether a piece of record data holds a closing html tag, in any case.
// The pieces are a few bytes long and almost never hold a "<".
bool HoldsHtmlClose(std::string_view piece) {
  for (char c : piece) {
    if (c == '<') return ContainsIgnoreCase(piece, "</html>");
  }
  return false;
}

// Writes one search page from its records, in file order.
class SearchPageWriter {
 public:
  SearchPageWriter(LineWriter& out, const Settings& settings,
                   SplitMix64& random, int64_t group)
      : out_(out), settings_(settings), random_(random) {
    const std::string g = std::to_string(group);
    word_index_ = WordIndexPageName(g);
    block_start_ = "<a href=\"" + word_index_ + "#";
    block_after_first_id_ = "\">" + WordIndexPageStem(g) +
                            "</a>\r\n&nbsp <a href=\"" +
                            std::string(MainIndexPageName()) + "#";
    index_end_then_contents_ = "\">index</a>\r\n&nbsp <a href=\"" +
                               std::string(ContentsPageName()) + "#";
    search_start_ = "&nbsp <a href=\"" + WebSearchUrl(settings_, "");
    for (const std::string* address :
         {&settings_.target_address, &settings_.target_site}) {
      if (address->empty()) continue;
      site_searches_.push_back(" site:" + *address + "\"> " + *address +
                               "</a>\r\n");
    }
  }

  void Add(const Occurrence& record) {
    if (!started_) {
      started_ = true;
      line_key_ = record.line;
      first_record_id_ = record.id;
    }
    // Only the last record's page is used; it seldom changes.
    if (!SameBytes(last_page_, record.page)) last_page_ = record.page;
    if (record.line == line_key_) {
      AppendWord(record);
      return;
    }
    if (!first_word_recorded_) {
      first_word_id_ = record.id;
      first_word_recorded_ = true;
    }
    if (!pending_closes_html_) WritePendingLine();
    StartLine(record);
    WriteLinkBlock(first_word_id_, record.page);
    first_word_id_ = record.id;
    phrase_words_.Clear();
    phrase_words_.Append(TrimBlanks(record.word));
    phrase_words_.Append(' ');
    word_count_ = 1;
    line_key_ = record.line;
  }

  void Finish() {
    if (!started_) return;
    WritePendingLine();
    WriteLinkBlock(first_word_recorded_ ? first_word_id_ : first_record_id_,
                   last_page_);
    phrase_words_.Clear();
    word_count_ = 0;
  }

 private:
  void WritePendingLine() {
    out_.Write(pending_.view());
    out_.Write("<br>\r\n");
  }

  // Continues the pending line with a linked word.
  void AppendWord(const Occurrence& record) {
    pending_.Append(" <span id=\"");
    AppendAnchor(record);
    pending_.Append("\"><a href=\"");
    AppendWordIndexLink(record.id);
    pending_.Append("\">");
    pending_.Append(record.word);
    pending_.Append("</a></span>");
    NoteData(record);
    draw_limit_ = phrase_words_.size();
    phrase_words_.Append(TrimBlanks(record.word));
    phrase_words_.Append(' ');
    ++word_count_;
  }

  // A new pending line: the word plain, then as a link.
  void StartLine(const Occurrence& record) {
    pending_.Clear();
    pending_.Append("<span id=\"");
    AppendAnchor(record);
    pending_.Append("\">");
    pending_.Append(record.word);
    pending_.Append(" &nbsp </span>&nbsp <a href=\"");
    AppendWordIndexLink(record.id);
    pending_.Append("\">");
    pending_.Append(record.word);
    pending_.Append("</a></span>");
    pending_closes_html_ = false;
    NoteData(record);
  }

  void AppendAnchor(const Occurrence& record) {
    pending_.Append(record.id);
    pending_.Append('_');
    pending_.Append(record.occurrence);
  }
  void AppendWordIndexLink(std::string_view id) {
    pending_.Append(word_index_);
    pending_.Append('#');
    pending_.Append(id);
  }

  // A line holding "</html>" (in any case) is left out. The markup around
  // the record data holds no part of it that could join with a neighbour
  // (it never ends in "<", "</", .. nor starts with ">", "l>", ..), so the
  // line holds it exactly when a word, id or occurrence number does; only
  // those few bytes are searched, not the whole line.
  void NoteData(const Occurrence& record) {
    if (HoldsHtmlClose(record.word) || HoldsHtmlClose(record.id) ||
        HoldsHtmlClose(record.occurrence)) {
      pending_closes_html_ = true;
    }
  }

  // The lines, for the line's first word id FIRST and page PAGE:
  //   <a href="i_G.htm#FIRST">i_G</a>
  //   &nbsp <a href="index.htm#FIRST">index</a>
  //   &nbsp <a href="files_list.htm#PAGE"> Content (PAGE)</a>
  //   &nbsp <a href="http://HOST/search?q=PHRASE site:SITE"> SITE</a>
  //     (for the target address and the target site, when not empty)
  //   &nbsp <a href="http://HOST/search?q=PHRASE"> web_search </a>
  //   <br><br>
  void WriteLinkBlock(std::string_view first_word_id, std::string_view page) {
    out_.Write(block_start_);
    out_.Write(first_word_id);
    out_.Write(block_after_first_id_);
    out_.Write(first_word_id);
    out_.Write(index_end_then_contents_);
    out_.Write(page);
    out_.Write("\"> Content (");
    out_.Write(page);
    out_.Write(")</a>\r\n");

    // Only longer lines draw; the others use their words as they are.
    std::string_view phrase = phrase_words_.view();
    if (word_count_ > kPhraseSlots) {
      drawn_phrase_ = SearchPhrase(phrase, word_count_, draw_limit_, random_);
      phrase = drawn_phrase_;
    }
    for (const std::string& site_search : site_searches_) {
      out_.Write(search_start_);
      out_.Write(phrase);
      out_.Write(site_search);
    }
    out_.Write(search_start_);
    out_.Write(phrase);
    out_.Write("\"> web_search </a>\r\n<br><br>\r\n");
    phrase_words_.Clear();
  }

  LineWriter& out_;
  const Settings& settings_;
  SplitMix64& random_;
  // Pieces fixed for the page.
  std::string word_index_;            // i_G.htm
  std::string block_start_;           // <a href="i_G.htm#
  std::string block_after_first_id_;  // ">i_G</a> .. <a href="index.htm#
  std::string index_end_then_contents_;  // ">index</a> .. files_list.htm#
  std::string search_start_;          // &nbsp <a href="http://HOST/search?q=
  std::vector<std::string> site_searches_;  //  site:SITE"> SITE</a> CR LF

  bool started_ = false;
  PieceBuffer pending_;  // the line waiting for its last word
  bool pending_closes_html_ = false;
  uint64_t line_key_ = 0;
  PieceBuffer phrase_words_;
  std::string drawn_phrase_;
  int64_t word_count_ = 0;
  size_t draw_limit_ = 0;
  bool first_word_recorded_ = false;
  std::string first_word_id_;
  std::string first_record_id_;
  std::string last_page_;
};

}  // namespace

Status WriteSearchPage(const WorkArea& area, const Settings& settings,
                       SplitMix64& random, int64_t group,
                       OccurrenceSource& source) {
  const std::string group_text = std::to_string(group);
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path(SearchPageName(group_text))));

  WritePageHead(out, settings.display.code_page_name,
                "search.htm, content (only words) from input *.htm files");
  WriteHighlightScript(out, settings.display);

  SearchPageWriter writer(out, settings, random, group);
  OccurrenceRecord record;
  while (source.Next(&record)) {
    writer.Add(Occurrence{record.page, record.line, record.word, record.id,
                          record.k_text});
  }
  DOCBASE_RETURN_IF_ERROR(source.status());
  writer.Finish();

  out.WriteLine("</body> <br>");
  out.WriteLine("</html> <br>");
  return out.Close();
}

}  // namespace docbase
