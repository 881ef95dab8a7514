#include "html/modern/annotated_pages.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/text.h"
#include "html/annotated_page_file.h"
#include "html/annotated_page_loop.h"
#include "html/body_line.h"
#include "html/decimal_text.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "html/short_key_map.h"
#include "io/line_writer.h"
#include "platform/path.h"
#include "workarea/file_names.h"

namespace docbase {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The length of the tag at the start of `text` when it is one of the tags
// that make a document (html, head, body, title, meta, doctype; opening or
// closing) and ends in `text`; 0 otherwise.
size_t DocumentTagLength(std::string_view text) {
  if (text.size() < 2 || text[0] != '<') return 0;
  size_t at = 1;
  if (text[at] == '/' || text[at] == '!') ++at;
  size_t name_end = at;
  while (name_end < text.size() && IsAsciiLetter(text[name_end])) ++name_end;
  const std::string name = ToLowerAscii(text.substr(at, name_end - at));
  if (name != "html" && name != "head" && name != "body" && name != "title" &&
      name != "meta" && name != "doctype") {
    return 0;
  }
  if (name_end < text.size() && text[name_end] != '>' &&
      text[name_end] != ' ' && text[name_end] != '/' &&
      text[name_end] != '\t') {
    return 0;
  }
  const size_t close = text.find('>', name_end);
  return close == std::string_view::npos ? 0 : close + 1;
}

// Writes `text` without the document tags, with its own bold ("<b>",
// "</b>") as <strong>, since <b> marks the words, and every "&" that does
// not start a reference written as "&amp;".
void WriteBodyText(LineWriter& out, std::string_view text) {
  size_t from = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '<') {
      const std::string_view rest = text.substr(at);
      std::string_view strong;
      size_t tag = 0;
      if (ToLowerAscii(rest.substr(0, 3)) == "<b>") {
        strong = "<strong>";
        tag = 3;
      } else if (ToLowerAscii(rest.substr(0, 4)) == "</b>") {
        strong = "</strong>";
        tag = 4;
      } else {
        tag = DocumentTagLength(rest);
      }
      if (tag == 0) continue;
      out.Write(text.substr(from, at - from));
      out.Write(strong);
      at += tag - 1;
      from = at + 1;
    } else if (c == '&') {
      const bool reference = at + 1 < text.size() &&
                             (IsAsciiLetter(text[at + 1]) || text[at + 1] == '#');
      if (reference) continue;
      out.Write(text.substr(from, at - from));
      out.Write("&amp;");
      from = at + 1;
    }
  }
  out.Write(text.substr(from));
}

void WriteModernBar(LineWriter& out, std::string_view label,
                    const PageNeighbours::Neighbours& neighbours) {
  std::vector<NavigationLink> links;
  if (neighbours.has_previous) {
    links.push_back({std::string(neighbours.previous), "Before", "prev"});
  }
  if (neighbours.has_next) {
    links.push_back({std::string(neighbours.next), "Next", "next"});
  }
  links.push_back({std::string(ContentsPageName()), "Content"});
  WriteNavigation(out, "bar", links, label);
}

// A block ends at the first line boundary after this many lines or bytes
// of the page (and never inside a table): small enough that laying out one
// is quick, large enough that the blocks stay few.
constexpr Blocks::Limits kBlockLimits{120, 24 * 1024};

// A line of a text that runs this far past the end of its part (a whole
// text without line breaks, say) is cut between two of its words, and goes
// on in the next part; every shorter line ends its block first.
constexpr uint64_t kLineCutSlack = 64 * 1024;

// Within a part, a line goes on in a new block between two of its words
// once its block holds this many bytes: a browser lays out only the blocks
// on screen, and a block of a megabyte of words takes it most of a second.
constexpr uint64_t kLineBlockBytes = 64 * 1024;

constexpr std::string_view kBlockOpening = "<div class=\"blk\">";

// A line of a page made from a text, as the text had it: without the
// "<br>" the page set put in front of it and the "&nbsp;" that announce its
// leading blanks (the blanks themselves follow them and stay).
std::string_view TextOfCleanedLine(std::string_view line) {
  if (!line.starts_with("<br>")) return line;
  line.remove_prefix(4);
  size_t announced = 0;
  while (line.substr(announced * 6, 6) == "&nbsp;") ++announced;
  const std::string_view after = line.substr(announced * 6);
  if (announced > 0 && after.size() >= announced &&
      after.substr(0, announced).find_first_not_of(' ') ==
          std::string_view::npos) {
    return after;
  }
  return line;
}

// Whether `line` is one of the two lines a page made from a text ends
// with, "</body>" and "</html>", "<br>" in front unless the text left a
// table open.
bool IsClosingLine(std::string_view line) {
  if (line.starts_with("<br>")) line.remove_prefix(4);
  return line == "</body>" || line == "</html>";
}

// One modern page in the writing, driven record by record like the
// classic rewrite (html/annotated_page_loop.h).
class ModernPage : public AnnotatedPageFile {
 public:
  ModernPage(const WorkArea& area, const DisplayParameters& display,
             const PageNeighbours& neighbours, PageParts& parts, int64_t group)
      : AnnotatedPageFile(area),
        display_(display),
        neighbours_(neighbours),
        parts_(parts),
        index_page_(WordIndexPageName(group)),
        search_page_(SearchPageName(group)) {}

  Status Start(std::string_view page, const PageOrigin& origin);
  Status AdvanceTo(uint64_t line_number);
  void WriteTextBefore(uint64_t column);
  void WriteWord(const OccurrenceRecord& record, bool has_strip);
  void LeaveWordLine();
  Status Finish();

 private:
  struct WordOnPage {
    uint64_t id_number;  // the digits of its id
    uint64_t first_k;  // of its first occurrence in the part's order
    uint64_t seen = 0;  // occurrences written so far in the part
    std::string next;
    bool has_strip;
    uint64_t highest_k;  // of its occurrences in the part
    uint64_t last_on_page;
  };

  // The opening of the part's page, up to its header's title.
  void WriteTop();
  void EnterBody();
  // Opens a block of the body, after starting the next part when this one
  // is full.
  void OpenBlock();
  // Ends this part, with a link on to the next, and opens the next;
  // `in_line`: a line goes on from one to the other (CutLine).
  void StartNextPart(bool in_line = false);
  // Ends the block and the part inside a long line of a text, just before
  // the word about to be written, and opens the next part's first block.
  void CutLine();
  // The end of the part's page: the bars after the text and the record;
  // then, past the first part, the part's record file (WritePartWords).
  void WriteBottom(bool next_part);
  void WritePartWords(LineWriter& out);
  uint64_t PartBytes() const { return out_.written() + records_bytes_; }
  // The most "+H" can take in a record: H is at most the word's last
  // occurrence on the page.
  static uint64_t GoesOnBytes(const OccurrenceRecord& record) {
    return 1 + DecimalText(record.last_on_page).view().size();
  }
  // A line of the body is about to be written: opens a block, ending the
  // one before when it is full.
  void BeginLine();
  // Writes a piece of the current line; `line_start`: it is the line's
  // first piece.
  void WriteText(std::string_view text, bool line_start);
  // `line` has been written whole, in one or more pieces.
  void EndLine(std::string_view line);
  void CopyLine(std::string_view line);
  void WriteWordRecords(bool next_part);

  const DisplayParameters& display_;
  const PageNeighbours& neighbours_;
  PageParts& parts_;
  const std::string index_page_;
  const std::string search_page_;

  // A page made from a text shows the text as written: every byte of it
  // escaped, the page set's own markup left out. The program's own pages
  // keep their markup.
  bool text_page_ = false;
  std::string title_;
  // The part being written (1: the page's own file) and the first error
  // met in closing or opening one, reported when the page ends.
  int64_t part_ = 1;
  uint64_t blocks_in_part_ = 0;
  uint64_t block_opened_at_ = 0;  // out_.written() at the open block's start
  // The most the part's word record at its end can take: counted in the
  // part's size, so that a part of many words and few repeats still ends
  // well under the bound of a file.
  uint64_t records_bytes_ = 0;
  // The part holds a piece of a line cut between parts (CutLine): a line
  // numbers its words by spelling first, so the next occurrence of a word
  // may be in any part, even an earlier one.
  bool holds_cut_line_ = false;
  Status part_status_;
  bool body_found_ = false;
  bool body_ended_ = false;
  bool head_words_open_ = false;
  // The body's lines, in blocks; made anew for every page.
  std::optional<Blocks> blocks_;
  bool block_fresh_ = false;  // no line of the open block written yet
  bool in_table_ = false;

  // The part's words, in order of first occurrence, and where each is.
  std::vector<WordOnPage> words_;
  ShortKeyMap word_at_;  // by word id
  std::vector<std::string> next_pages_;
  std::unordered_map<std::string, size_t> next_page_at_;
};

Status ModernPage::Start(std::string_view page, const PageOrigin& origin) {
  DOCBASE_RETURN_IF_ERROR(Open(page, origin));
  text_page_ = origin.kind == PageOrigin::Kind::kCleanedText;
  body_found_ = body_ended_ = head_words_open_ = false;
  blocks_.emplace(out_, kBlockLimits,
                  [this](LineWriter&, uint64_t) { OpenBlock(); });
  block_fresh_ = in_table_ = false;
  words_.clear();
  word_at_.Clear();
  next_pages_.clear();
  next_page_at_.clear();
  title_ = ModernPageTitle(page_, &origin);
  part_ = 1;
  blocks_in_part_ = 0;
  records_bytes_ = 0;
  holds_cut_line_ = false;
  part_status_ = Status::Ok();
  WriteTop();
  return Status::Ok();
}

void ModernPage::WriteTop() {
  std::string title = title_;
  if (part_ > 1) title += ", part " + std::to_string(part_);
  WriteModernHead(out_, title);
  out_.Write(text_page_ ? "<div class=\"page text\" style=\"--mark-colour:"
                        : "<div class=\"page\" style=\"--mark-colour:");
  WriteEscaped(out_, display_.font_colour);
  out_.Write(";--mark-size:");
  WriteEscaped(out_, display_.font_size);
  out_.WriteLine("\">");
  out_.Write("<header class=\"page-head\"><h1>");
  WriteEscaped(out_, title);
  out_.Write("</h1>");
  if (part_ > 1) WriteContinuedFrom(out_, page_, part_);
}

void ModernPage::EnterBody() {
  body_found_ = true;
  if (head_words_open_) {
    out_.Write("</p>");
    head_words_open_ = false;
  }
  out_.WriteLine(
      "<p class=\"how\" hidden>Double-click or tap a word for its links. "
      "Keys: Tab to the text, then &larr; &rarr; from word to word, Enter "
      "for the links, Esc to close them.</p></header>");
  WriteModernBar(out_, "Pages", neighbours_.Find(page_));
  out_.WriteLine("<main id=\"text\">");
}

Status ModernPage::AdvanceTo(uint64_t line_number) {
  return lines_.AdvanceTo(line_number, [&](std::string_view line, bool before) {
    if (!body_found_ && IsBodyLine(line)) {
      EnterBody();
      // A text's page opens its body on a line of its own markup.
      if (text_page_) return;
    }
    if (before) CopyLine(line);
  });
}

void ModernPage::OpenBlock() {
  // A part holds at least one block, however long.
  if (blocks_in_part_ > 0 && PartBytes() >= parts_.bytes()) {
    StartNextPart();
  }
  ++blocks_in_part_;
  out_.Write(kBlockOpening);
  block_opened_at_ = out_.written();
}

void ModernPage::StartNextPart(bool in_line) {
  const std::string next = PagePartName(page_, part_ + 1);
  out_.WriteLine("</main>");
  WriteContinuedIn(out_, page_, part_);
  WriteBottom(true);
  holds_cut_line_ = in_line;
  OpenNextPart(out_, area_, next, parts_, &part_status_);
  ++part_;
  blocks_in_part_ = 0;
  records_bytes_ = 0;
  words_.clear();
  word_at_.Clear();
  next_pages_.clear();
  next_page_at_.clear();
  WriteTop();
  EnterBody();
}

void ModernPage::BeginLine() {
  if (!body_found_) return;
  // Tables keep their own markup, so a block never ends inside one.
  if (blocks_->Entry(!in_table_)) block_fresh_ = true;
}

void ModernPage::WriteText(std::string_view text, bool line_start) {
  if (!body_found_) return;  // the page's own head: only its words are kept
  if (text_page_) {
    if (line_start) text = TextOfCleanedLine(text);
    WriteEscaped(out_, text);
    return;
  }
  // The block starts a line of its own: the first line's break would only
  // add an empty line.
  if (line_start && block_fresh_ && text.size() >= 4 &&
      ToLowerAscii(text.substr(0, 4)) == "<br>") {
    text.remove_prefix(4);
  }
  WriteBodyText(out_, text);
}

void ModernPage::EndLine(std::string_view line) {
  if (!body_found_) return;
  out_.Write("\r\n");
  block_fresh_ = false;
  blocks_->AddBytes(line.size());
  if (text_page_) return;  // a text's markup is shown, never followed
  if (ContainsIgnoreCase(line, "<table ")) in_table_ = true;
  if (ContainsIgnoreCase(line, "</table")) in_table_ = false;
}

void ModernPage::CopyLine(std::string_view line) {
  if (!body_found_) return;
  BeginLine();
  WriteText(line, true);
  EndLine(line);
}

void ModernPage::WriteTextBefore(uint64_t column) {
  const bool line_start = !lines_.has_word();
  if (line_start) BeginLine();
  WriteText(lines_.TextBefore(column), line_start);
  // The blanks before the word stay with the part or block they end.
  if (line_start || !text_page_ || !body_found_) return;
  if (PartBytes() >= parts_.bytes() + kLineCutSlack) {
    CutLine();
  } else if (out_.written() >= block_opened_at_ + kLineBlockBytes) {
    // The block stays open for the Blocks that count the lines: only its
    // tags are written, and the line goes on in the new one.
    out_.WriteLine("</div>");
    out_.Write(kBlockOpening);
    ++blocks_in_part_;
    block_opened_at_ = out_.written();
  }
}

void ModernPage::CutLine() {
  blocks_->Finish();
  holds_cut_line_ = true;  // for the record of the part it ends
  StartNextPart(true);
  blocks_->Entry();
}

void ModernPage::LeaveWordLine() {
  if (!lines_.has_word()) return;
  WriteText(lines_.TakeRestAfterWord(), false);
  EndLine(lines_.line());
}

// <b id="ID">WORD</b> for a word's first occurrence on the page, <b>WORD</b>
// for the others: the script finds the others by their text and counts
// them in the page's order from the first one's number. An occurrence whose
// number that count would miss (words of one line numbered by spelling
// first), every occurrence of a word whose bytes do not come back as they
// are from the page's text, and every occurrence on a page of the
// program's own markup, carry their anchor "ID_K" themselves.
void ModernPage::WriteWord(const OccurrenceRecord& record, bool has_strip) {
  if (!body_found_ && !head_words_open_) {
    // A word of the page's own head (its classic title): kept in a line of
    // the header, so that its anchors exist.
    out_.Write("<p class=\"head-words\">");
    head_words_open_ = true;
  } else if (!body_found_) {
    out_.Write(" ");
  }
  const bool opaque = !SurvivesAsText(record.word);
  auto [at, first] = word_at_.TryEmplace(record.id, words_.size());
  if (first) {
    if (!record.next.empty()) {
      auto [next, added] = next_page_at_.try_emplace(std::string(record.next),
                                                     next_pages_.size());
      if (added) {
        next_pages_.emplace_back(record.next);
        records_bytes_ += record.next.size() + 3;  // "NAME",
      }
      records_bytes_ += 1 + DecimalText(next->second).view().size();  // .N
    }
    const uint64_t id_number = WordIdNumber(record.id);
    // "K.N-" after a blank, and "+H" until the word's last occurrence on
    // the page is written here.
    records_bytes_ += 1 + DecimalText(record.k).view().size() +
                      (has_strip ? 0 : 1) + GoesOnBytes(record);
    words_.push_back(WordOnPage{id_number, record.k, 0,
                                std::string(record.next), has_strip, record.k,
                                record.last_on_page});
    out_.Write("<b id=\"");
    out_.Write(record.id);
    out_.Write(opaque ? "\" class=\"o\">" : "\">");
  } else {
    const WordOnPage& word = words_[*at];
    // On the program's own pages a word may stand in the page's own <b>,
    // which the script would take for a word: every occurrence says which
    // it is.
    if (opaque || !text_page_ || record.k != word.first_k + word.seen) {
      out_.Write("<b id=\"");
      out_.Write(record.id);
      out_.Write("_");
      out_.Write(DecimalText(record.k).view());
      out_.Write("\">");
    } else {
      out_.Write("<b>");
    }
  }
  WordOnPage& word = words_[*at];
  if (record.k == word.last_on_page) records_bytes_ -= GoesOnBytes(record);
  ++word.seen;
  word.highest_k = std::max(word.highest_k, record.k);
  if (text_page_) {
    WriteEscaped(out_, record.word);
  } else {
    WriteBodyText(out_, record.word);
  }
  out_.Write("</b>");
}

// The record the script builds strips and anchors from:
//   {"i":"i_G.htm","s":"s_G.htm","c":"files_list.htm","n":[NEXT,...],
//    "p":NEXT_PART,"f":FIRST_PART,"w":"K K.N K+H K- ..."}
// One entry of "w" per word, in the order of the words' first occurrences
// in the part (the elements with a word id): K, the number of that first
// occurrence; ".N" when the word is on a later page, n[N]; "+H" when it
// occurs again in a later part of the page, "p" (only there when the page
// goes on), H the number of its last occurrence in this part, so that a
// link to a later one is passed on without numbering the part; "-" when
// the word gets no strip. "f", the page's first part, is
// there when the part holds a piece of a cut line: the next occurrence
// of a word that the part does not hold is looked for from there on.
void ModernPage::WriteWordRecords(bool next_part) {
  out_.Write("<script type=\"application/json\" id=\"page-words\">{\"i\":");
  WriteJsonString(out_, index_page_);
  out_.Write(",\"s\":");
  WriteJsonString(out_, search_page_);
  out_.Write(",\"c\":");
  WriteJsonString(out_, ContentsPageName());
  out_.Write(",\"n\":[");
  for (size_t at = 0; at < next_pages_.size(); ++at) {
    if (at > 0) out_.Write(",");
    WriteJsonString(out_, next_pages_[at]);
  }
  out_.Write("]");
  if (next_part) {
    out_.Write(",\"p\":");
    WriteJsonString(out_, PagePartName(page_, part_ + 1));
  }
  if (holds_cut_line_) {
    out_.Write(",\"f\":");
    WriteJsonString(out_, TrimBlanks(page_));
  }
  out_.Write(",\"w\":\"");
  for (size_t at = 0; at < words_.size(); ++at) {
    const WordOnPage& word = words_[at];
    if (at > 0) out_.Write(" ");
    out_.Write(DecimalText(word.first_k).view());
    if (!word.next.empty()) {
      out_.Write(".");
      out_.Write(DecimalText(next_page_at_[word.next]).view());
    }
    if (word.highest_k < word.last_on_page) {
      out_.Write("+");
      out_.Write(DecimalText(word.highest_k).view());
    }
    if (!word.has_strip) out_.Write("-");
  }
  out_.WriteLine("\"}</script>");
}

Status ModernPage::Finish() {
  LeaveWordLine();
  // The lines a text's page closes with are held back until the end shows
  // they are the page's and not the text's.
  std::vector<std::string> closing;
  std::string_view line;
  while (lines_.Next(&line)) {
    if (!body_found_ && IsBodyLine(line)) {
      EnterBody();
      if (text_page_) continue;
    }
    if (!body_found_ || body_ended_) continue;
    if (text_page_) {
      if (IsClosingLine(line)) {
        closing.emplace_back(line);
        continue;
      }
      for (const std::string& held : closing) CopyLine(held);
      closing.clear();
      CopyLine(line);
      continue;
    }
    const size_t end = ToLowerAscii(line).find("</body>");
    if (end != std::string::npos) {
      body_ended_ = true;
      std::string_view before = TrimBlanks(line.substr(0, end));
      if (before.empty() || ToLowerAscii(before) == "<br>") continue;
      line = line.substr(0, end);
    }
    CopyLine(line);
  }
  // The page's own two closing lines; any before them were the text's.
  for (size_t at = 0; at + 2 < closing.size(); ++at) CopyLine(closing[at]);
  DOCBASE_RETURN_IF_ERROR(CloseLines());
  if (!body_found_) EnterBody();
  blocks_->Finish();
  out_.WriteLine("</main>");
  WriteBottom(false);
  Status closed = out_.Close();
  return part_status_.ok() ? closed : part_status_;
}

void ModernPage::WriteBottom(bool next_part) {
  WriteModernBar(out_, "Pages, again", neighbours_.Find(page_));
  out_.WriteLine("</div>");
  WriteWordRecords(next_part);
  WriteModernEnd(out_);
  if (part_ > 1) {
    WritePartRecord(area_, page_, part_, next_part, parts_,
                    [this](LineWriter& out) { WritePartWords(out); },
                    &part_status_);
  }
}

// The words of a part in its record file: "w":"N N+H ...", one entry per
// word, in the order of "w" in the part's page record: N, the number of
// the word's id; "+H" when the word occurs again in a later part of the
// page, H the number of its last occurrence in this one.
void ModernPage::WritePartWords(LineWriter& out) {
  out.Write("\"w\":\"");
  for (size_t at = 0; at < words_.size(); ++at) {
    const WordOnPage& word = words_[at];
    if (at > 0) out.Write(" ");
    out.Write(DecimalText(word.id_number).view());
    if (word.highest_k < word.last_on_page) {
      out.Write("+");
      out.Write(DecimalText(word.highest_k).view());
    }
  }
  out.Write("\"");
}

}  // namespace

std::string ModernPageTitle(std::string_view page, const PageOrigin* origin) {
  if (origin == nullptr || origin->from.empty()) {
    return std::string(TrimBlanks(page));
  }
  return Utf8FromPath(origin->from.filename());
}

Status WriteModernPageWithoutWords(const WorkArea& area,
                                   const DisplayParameters& display,
                                   const PageNeighbours& neighbours,
                                   std::string_view page,
                                   const PageOrigin& origin,
                                   PageParts& parts) {
  ModernPage writer(area, display, neighbours, parts, 0);
  DOCBASE_RETURN_IF_ERROR(writer.Start(page, origin));
  return writer.Finish();
}

Status WriteModernPages(const WorkArea& area, const DisplayParameters& display,
                        const PageNeighbours& neighbours, int64_t group,
                        OccurrenceSource& source, PageParts& parts) {
  ModernPage page(area, display, neighbours, parts, group);
  return WriteOccurrencePages(
      page, source,
      [&](const OccurrenceRecord& occurrence) {
        page.WriteWord(occurrence,
                       HasNavigationSpan(display.find_word, occurrence.word));
      },
      [&](bool) { return page.Finish(); });
}

}  // namespace docbase
