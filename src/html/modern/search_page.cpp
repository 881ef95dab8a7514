#include "html/modern/search_page.h"

#include <string>
#include <string_view>

#include "base/text.h"
#include "html/modern/list_page_file.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "html/short_key_map.h"
#include "html/piece_buffer.h"
#include "html/search_phrase.h"
#include "io/line_writer.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

// The page is written a block at a time: a block's opening tag carries the
// words that first occur in it, known only once its lines are made.
class ModernSearchWriter {
 public:
  ModernSearchWriter(ListPageFile& file, SplitMix64& random)
      : file_(file), out_(file.out()), random_(random) {}

  void Add(const OccurrenceRecord& record) {
    const bool new_page = !started_ || record.page != page_;
    if (started_ && (new_page || record.line != line_number_)) {
      EndLine();
    } else if (in_line_ && line_.size() >= kLinePieceBytes) {
      EndPiece();
    }
    if (new_page || lines_in_block_ >= kSearchLinesPerBlock) EndBlock();
    // A part of the page that starts inside a page's lines names that page
    // again, and its words are numbered afresh from the block's record.
    const bool block_starts = (!in_line_ || piece_ended_) &&
                              lines_in_block_ == 0 && block_.empty();
    piece_ended_ = false;
    const bool new_part = block_starts && file_.BeforeBlock();
    file_.NoteOccurrence(record.id, record.k);
    if (new_page || new_part) {
      page_.assign(record.page);
      next_k_of_page_.Clear();
      block_.append("<h2><a href=\"");
      AppendEscaped(&block_, record.page);
      block_.append("\">");
      AppendEscaped(&block_, record.page);
      block_.append("</a></h2>\r\n");
    }
    if (!in_line_) StartLine(record);
    if (in_line_words_ == 0) first_word_.assign(record.id);
    if (!line_.empty()) line_.push_back(' ');
    // The script numbers a word's occurrences on a page on from its first
    // one, in the page's order; a word whose bytes are not all text, and an
    // occurrence that count would miss (words of one line numbered by
    // spelling first), carry their own number.
    const bool opaque = !SurvivesAsText(record.word);
    bool own_number = opaque;
    if (!opaque) {
      auto [next, first] = next_k_of_page_.TryEmplace(record.id, record.k + 1);
      if (first) {
        if (!first_words_.empty()) first_words_.push_back(' ');
        AppendWordAndNumber(&first_words_, record.id, record.k_text);
      } else if (*next == record.k) {
        ++*next;
      } else {
        own_number = true;
      }
    }
    if (own_number) {
      line_.append("<b data-w=\"");
      AppendWordAndNumber(&line_, record.id, record.k_text);
      line_.append("\">");
    }
    line_opaque_ = line_opaque_ || opaque;
    AppendEscaped(&line_, record.word);
    if (own_number) line_.append("</b>");
    ++in_line_words_;
    draw_limit_ = phrase_words_.size();
    phrase_words_.Append(TrimBlanks(record.word));
    phrase_words_.Append(' ');
  }

  void Finish() {
    if (in_line_) EndLine();
    EndBlock();
  }

 private:
  // "N.K": the word of id "idN" (N without its leading zeros) and the
  // number K of an occurrence.
  static void AppendWordAndNumber(std::string* to, std::string_view id,
                                  std::string_view k) {
    AppendWordNumber(to, id);
    to->push_back('.');
    to->append(k);
  }
  // "N" of id "idN", without its leading zeros.
  static void AppendWordNumber(std::string* to, std::string_view id) {
    std::string_view number = id.substr(2);
    while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);
    to->append(number);
  }

  void StartLine(const OccurrenceRecord& record) {
    started_ = true;
    in_line_ = true;
    line_number_ = record.line;
    line_.clear();
    line_pieces_ = 0;
    first_word_.clear();
    line_opaque_ = false;
    phrase_words_.Clear();
    in_line_words_ = 0;
    draw_limit_ = 0;
  }

  // The line's paragraph: its words, and the phrase of its web searches
  // where the script could not make it from the words: drawn at random
  // from a long line, or holding bytes a page's text cannot carry.
  void EndLine() {
    std::string_view phrase = phrase_words_.view();
    if (in_line_words_ > kPhraseSlots) {
      drawn_phrase_ = SearchPhrase(phrase, in_line_words_, draw_limit_, random_);
      phrase = drawn_phrase_;
    }
    if (line_pieces_ > 0) {
      // The end of a line cut into pieces: the links after the words are
      // the whole line's, made from its first word.
      block_.append("<p data-f=\"");
      AppendWordNumber(&block_, first_word_);
      block_.append("\"");
    } else {
      block_.append("<p");
    }
    if (line_opaque_ || !SurvivesAsText(phrase)) {
      block_.append(" data-e=\"");
      AppendQueryEncoded(&block_, phrase);
      block_.append("\">");
    } else if (in_line_words_ > kPhraseSlots) {
      block_.append(" data-q=\"");
      AppendEscaped(&block_, phrase);
      block_.append("\">");
    } else {
      block_.append(">");
    }
    block_.append(line_);
    block_.append("</p>\r\n");
    in_line_ = false;
    ++lines_in_block_;
  }

  // A line whose words fill kLinePieceBytes (a text without line breaks,
  // say) ends its paragraph there, and the block once it holds
  // kPieceBlockBytes, so that the page can go on in its next part:
  // <p data-c> holds a piece of a line that goes on, with the words only.
  // The phrase of its web searches is still drawn from the whole line, at
  // its end.
  void EndPiece() {
    block_.append("<p data-c>");
    block_.append(line_);
    block_.append("</p>\r\n");
    line_.clear();
    ++line_pieces_;
    ++lines_in_block_;
    // A block of pieces is bounded by its bytes too: its words become
    // links all at once when it comes on screen.
    if (block_.size() >= kPieceBlockBytes) EndBlock();
    piece_ended_ = true;
  }

  // <div class="blk sp" data-w="N.K ...">: the words that first occur on
  // their page in this block, in order, each with the number of that
  // occurrence; the script numbers the other occurrences from them.
  void EndBlock() {
    if (lines_in_block_ > 0 || !block_.empty()) {
      out_.Write("<div class=\"blk sp\" data-w=\"");
      out_.Write(first_words_);
      out_.Write("\">");
      out_.Write(block_);
      out_.WriteLine("</div>");
    }
    block_.clear();
    first_words_.clear();
    lines_in_block_ = 0;
  }

  ListPageFile& file_;
  LineWriter& out_;
  SplitMix64& random_;

  bool started_ = false;
  bool in_line_ = false;
  // The pieces of the current line ended so far (EndPiece), whether the
  // last one ended just now, and the id of the line's first word.
  int64_t line_pieces_ = 0;
  bool piece_ended_ = false;
  std::string first_word_;
  std::string page_;
  uint64_t line_number_ = 0;
  // The number the script gives the next occurrence of each word met on
  // the page so far.
  ShortKeyMap next_k_of_page_;  // by word id
  std::string block_;
  std::string first_words_;
  int64_t lines_in_block_ = 0;
  std::string line_;
  bool line_opaque_ = false;
  PieceBuffer phrase_words_;
  std::string drawn_phrase_;
  int64_t in_line_words_ = 0;
  size_t draw_limit_ = 0;
};

}  // namespace

Status WriteModernSearchPage(const WorkArea& area, const Settings& settings,
                             const MainIndexParts& parts,
                             PageParts& page_parts, SplitMix64& random,
                             int64_t group, OccurrenceSource& source) {
  const std::string g = std::to_string(group);
  ListPageFile file(
      area, SearchPageName(g), page_parts, page_parts.search_bytes(),
      ListPageTop(
          settings, parts, group, "Search page, group " + g,
          {{std::string(MainIndexPageName()), "Main index"},
           {std::string(ContentsPageName()), "Contents"},
           {WordIndexPageName(g), "Word index " + WordIndexPageStem(g)}},
          "The words of the pages of this group, line by line, each line "
          "with web searches for its words."),
      ListPageFile::PartRecord::kOccurrences);
  DOCBASE_RETURN_IF_ERROR(file.Open());

  ModernSearchWriter writer(file, random);
  OccurrenceRecord record;
  while (source.Next(&record)) writer.Add(record);
  DOCBASE_RETURN_IF_ERROR(source.status());
  writer.Finish();
  return file.Finish();
}

}  // namespace docbase
