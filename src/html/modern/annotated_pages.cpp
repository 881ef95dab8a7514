#include "html/modern/annotated_pages.h"

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "common/line_writer.h"
#include "common/text.h"
#include "html/annotated_page_file.h"
#include "html/annotated_page_loop.h"
#include "html/body_line.h"
#include "html/decimal_text.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
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

// Writes `text` without the document tags, with every "&" that does not
// start a reference written as "&amp;".
void WriteBodyText(LineWriter& out, std::string_view text) {
  size_t from = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '<') {
      const size_t tag = DocumentTagLength(text.substr(at));
      if (tag == 0) continue;
      out.Write(text.substr(from, at - from));
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

// A JSON string of `text`: the bytes kept, quotes, backslashes, control
// bytes and "<" (so that no "</script" can close the record) escaped.
void WriteJsonString(LineWriter& out, std::string_view text) {
  out.Write("\"");
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out.Write(c == '"' ? "\\\"" : "\\\\");
    } else if (c == '<' || static_cast<unsigned char>(c) < 0x20) {
      static const char kHex[] = "0123456789abcdef";
      const char escaped[] = {'\\', 'u', '0', '0',
                              kHex[(static_cast<unsigned char>(c) >> 4) & 15],
                              kHex[static_cast<unsigned char>(c) & 15]};
      out.Write(std::string_view(escaped, sizeof escaped));
    } else {
      out.Write(std::string_view(&c, 1));
    }
  }
  out.Write("\"");
}

void WriteModernBar(LineWriter& out,
                    const PageNeighbours::Neighbours& neighbours) {
  std::vector<NavigationLink> links;
  if (neighbours.has_previous) {
    links.push_back({std::string(neighbours.previous), "Before"});
  }
  if (neighbours.has_next) {
    links.push_back({std::string(neighbours.next), "Next"});
  }
  links.push_back({std::string(ContentsPageName()), "Content"});
  WriteNavigation(out, "bar", links);
}

// A block ends at the first line boundary after this many lines or bytes
// of the page (and never inside a table): small enough that laying out one
// is quick, large enough that the blocks stay few.
constexpr Blocks::Limits kBlockLimits{120, 24 * 1024};

void WriteBlockStart(LineWriter& out, uint64_t) {
  out.Write("<div class=\"blk\">");
}

// One modern page in the writing, driven record by record like the
// classic rewrite (html/annotated_page_loop.h).
class ModernPage : public AnnotatedPageFile {
 public:
  ModernPage(const WorkArea& area, const DisplayParameters& display,
             const PageNeighbours& neighbours, int64_t group)
      : AnnotatedPageFile(area),
        display_(display),
        neighbours_(neighbours),
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
    std::string id;
    uint64_t last_on_page;
    std::string next;
    bool has_strip;
  };

  void EnterBody();
  // A line of the body is about to be written: opens a block, ending the
  // one before when it is full.
  void BeginLine();
  // Writes a piece of the current line; `line_start`: it is the line's
  // first piece.
  void WriteText(std::string_view text, bool line_start);
  // `line` has been written whole, in one or more pieces.
  void EndLine(std::string_view line);
  void CopyLine(std::string_view line);
  void WriteWordRecords();

  const DisplayParameters& display_;
  const PageNeighbours& neighbours_;
  const std::string index_page_;
  const std::string search_page_;

  bool body_found_ = false;
  bool body_ended_ = false;
  bool header_open_ = false;
  bool head_words_ = false;
  // The body's lines, in blocks; made anew for every page.
  std::optional<Blocks> blocks_;
  bool block_fresh_ = false;  // no line of the open block written yet
  bool in_table_ = false;

  // The page's words with a record, in order of first occurrence.
  std::vector<WordOnPage> words_;
  std::unordered_set<std::string> words_seen_;
};

Status ModernPage::Start(std::string_view page, const PageOrigin& origin) {
  DOCBASE_RETURN_IF_ERROR(Open(page, origin));
  body_found_ = body_ended_ = header_open_ = head_words_ = false;
  blocks_.emplace(out_, kBlockLimits, WriteBlockStart);
  block_fresh_ = in_table_ = false;
  words_.clear();
  words_seen_.clear();

  WriteModernHead(out_, ModernPageTitle(page_, &origin));
  out_.Write("<div class=\"page\" style=\"--mark-colour:");
  WriteEscaped(out_, display_.font_colour);
  out_.Write(";--mark-size:");
  WriteEscaped(out_, display_.font_size);
  out_.WriteLine("\">");
  return Status::Ok();
}

void ModernPage::EnterBody() {
  body_found_ = true;
  if (header_open_) {
    out_.WriteLine("</header>");
    header_open_ = false;
  }
  WriteModernBar(out_, neighbours_.Find(page_));
}

Status ModernPage::AdvanceTo(uint64_t line_number) {
  return lines_.AdvanceTo(line_number, [&](std::string_view line, bool before) {
    if (!body_found_ && IsBodyLine(line)) EnterBody();
    if (before) CopyLine(line);
  });
}

void ModernPage::BeginLine() {
  if (!body_found_) return;
  // Tables keep their own markup, so a block never ends inside one.
  if (blocks_->Entry(!in_table_)) block_fresh_ = true;
}

void ModernPage::WriteText(std::string_view text, bool line_start) {
  if (!body_found_) return;  // the page's own head: only its words are kept
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
}

void ModernPage::LeaveWordLine() {
  if (!lines_.has_word()) return;
  WriteText(lines_.TakeRestAfterWord(), false);
  EndLine(lines_.line());
}

void ModernPage::WriteWord(const OccurrenceRecord& record, bool has_strip) {
  if (!body_found_) {
    // A word of the page's own head (its classic title): kept in a header
    // line, so that its anchors exist.
    out_.Write(header_open_ ? " " : "<header class=\"page-head\">");
    header_open_ = true;
  }
  const bool first =
      words_seen_.insert(std::string(record.id)).second;
  if (first) {
    words_.push_back(WordOnPage{std::string(record.id), record.last_on_page,
                                std::string(record.next), has_strip});
    out_.Write("<span id=\"");
    out_.Write(record.id);
    out_.Write("\">");
  }
  out_.Write("<span id=\"");
  out_.Write(record.id);
  out_.Write("_");
  out_.Write(DecimalText(record.k).view());
  out_.Write("\">");
  WriteBodyText(out_, record.word);
  out_.Write(first ? "</span></span>" : "</span>");
}

// The record the script builds strips from:
//   {"index":"i_G.htm","search":"s_G.htm","contents":"files_list.htm",
//    "words":{"ID":[LAST,"NEXT"],...}}
// LAST: the word's last occurrence number on the page; NEXT: the next page
// holding it, "" when none. Only words that get a strip are listed.
void ModernPage::WriteWordRecords() {
  out_.Write("<script type=\"application/json\" id=\"page-words\">{\"index\":");
  WriteJsonString(out_, index_page_);
  out_.Write(",\"search\":");
  WriteJsonString(out_, search_page_);
  out_.Write(",\"contents\":");
  WriteJsonString(out_, ContentsPageName());
  out_.Write(",\"words\":{");
  bool first = true;
  for (const WordOnPage& word : words_) {
    if (!word.has_strip) continue;
    out_.Write(first ? "\r\n" : ",\r\n");
    first = false;
    WriteJsonString(out_, word.id);
    out_.Write(":[");
    out_.Write(DecimalText(word.last_on_page).view());
    out_.Write(",");
    WriteJsonString(out_, word.next);
    out_.Write("]");
  }
  out_.WriteLine("}}</script>");
}

Status ModernPage::Finish() {
  LeaveWordLine();
  std::string_view line;
  while (lines_.Next(&line)) {
    if (!body_found_ && IsBodyLine(line)) EnterBody();
    if (!body_found_ || body_ended_) continue;
    const size_t end = ToLowerAscii(line).find("</body>");
    if (end != std::string::npos) {
      body_ended_ = true;
      std::string_view before = TrimBlanks(line.substr(0, end));
      if (before.empty() || ToLowerAscii(before) == "<br>") continue;
      line = line.substr(0, end);
    }
    CopyLine(line);
  }
  DOCBASE_RETURN_IF_ERROR(CloseLines());
  if (!body_found_) EnterBody();
  blocks_->Finish();
  WriteModernBar(out_, neighbours_.Find(page_));
  out_.WriteLine("</div>");
  WriteWordRecords();
  WriteModernEnd(out_);
  return out_.Close();
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
                                   const PageOrigin& origin) {
  ModernPage writer(area, display, neighbours, 0);
  DOCBASE_RETURN_IF_ERROR(writer.Start(page, origin));
  return writer.Finish();
}

Status WriteModernPages(const WorkArea& area, const DisplayParameters& display,
                        const PageNeighbours& neighbours, int64_t group,
                        OccurrenceSource& source) {
  ModernPage page(area, display, neighbours, group);
  return WriteOccurrencePages(
      page, source,
      [&](const OccurrenceRecord& occurrence) {
        page.WriteWord(occurrence,
                       HasNavigationSpan(display.find_word, occurrence.word));
      },
      [&](bool) { return page.Finish(); });
}

}  // namespace docbase
