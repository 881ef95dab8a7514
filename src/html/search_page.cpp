#include "html/search_page.h"

#include <string>
#include <string_view>
#include <vector>

#include "common/line_reader.h"
#include "common/line_writer.h"
#include "common/quoted_record.h"
#include "common/text.h"
#include "html/page_head.h"
#include "html/page_templates.h"
#include "html/record_field.h"
#include "html/search_phrase.h"

namespace docbase {
namespace {

struct Occurrence {
  std::string_view page;
  std::string_view line;
  std::string_view word;
  std::string_view id;
  std::string_view occurrence;
};

Occurrence FromFields(const std::vector<std::string_view>& fields) {
  return {FieldAt(fields, 0), FieldAt(fields, 1), FieldAt(fields, 3),
          FieldAt(fields, 4), FieldAt(fields, 5)};
}

// Writes one search page from its records, in file order.
class SearchPageWriter {
 public:
  SearchPageWriter(LineWriter& out, RunState& state, int64_t group)
      : out_(out),
        state_(state),
        group_(std::to_string(group)),
        word_index_("i_" + group_ + ".htm") {}

  void Add(const Occurrence& record) {
    if (!started_) {
      started_ = true;
      line_key_ = record.line;
      first_record_id_ = record.id;
    }
    last_page_ = record.page;
    if (record.line == line_key_) {
      AppendWord(record);
      return;
    }
    if (!first_word_recorded_) {
      first_word_id_ = record.id;
      first_word_recorded_ = true;
    }
    if (!ContainsIgnoreCase(pending_, "</html>")) {
      WritePendingLine();
    }
    StartLine(record);
    WriteLinkBlock(first_word_id_, record.page);
    first_word_id_ = record.id;
    phrase_words_ = TrimBlanks(record.word);
    phrase_words_ += ' ';
    word_count_ = 1;
    line_key_ = record.line;
  }

  void Finish() {
    if (!started_) return;
    WritePendingLine();
    WriteLinkBlock(first_word_recorded_ ? first_word_id_ : first_record_id_,
                   last_page_);
    phrase_words_.clear();
    word_count_ = 0;
  }

 private:
  void WritePendingLine() {
    out_.Write(pending_);
    out_.WriteLine("<br>");
  }

  // Continues the pending line with a linked word.
  void AppendWord(const Occurrence& record) {
    pending_ += " <span id=\"";
    AppendAnchor(record);
    pending_ += "\"><a href=\"";
    AppendWordIndexLink(record.id);
    pending_.append("\">").append(record.word).append("</a></span>");
    draw_limit_ = phrase_words_.size();
    phrase_words_ += TrimBlanks(record.word);
    phrase_words_ += ' ';
    ++word_count_;
  }

  // A new pending line: the word plain, then as a link.
  void StartLine(const Occurrence& record) {
    pending_ = "<span id=\"";
    AppendAnchor(record);
    pending_.append("\">").append(record.word);
    pending_ += " &nbsp </span>&nbsp <a href=\"";
    AppendWordIndexLink(record.id);
    pending_.append("\">").append(record.word).append("</a></span>");
  }

  void AppendAnchor(const Occurrence& record) {
    pending_.append(record.id).append("_").append(record.occurrence);
  }
  void AppendWordIndexLink(std::string_view id) {
    pending_.append(word_index_).append("#").append(id);
  }

  void WriteLinkBlock(const std::string& first_word_id,
                      std::string_view page) {
    out_.WriteLine("<a href=\"" + word_index_ + "#" + first_word_id +
                   "\">i_" + group_ + "</a>");
    out_.WriteLine("&nbsp <a href=\"index.htm#" + first_word_id +
                   "\">index</a>");
    std::string content = "&nbsp <a href=\"files_list.htm#";
    content.append(page).append("\"> Content (").append(page).append(")</a>");
    out_.WriteLine(content);

    std::string phrase = SearchPhrase(phrase_words_, word_count_,
                                      draw_limit_, state_.random);
    phrase_words_.clear();
    WriteSiteSearch(phrase, state_.target_address);
    WriteSiteSearch(phrase, state_.target_site);
    out_.WriteLine("&nbsp <a href=\"" + WebSearchUrl(state_, phrase) +
                   "\"> web_search </a>");
    out_.WriteLine("<br><br>");
  }

  // The search restricted to `address`; nothing for an empty address.
  void WriteSiteSearch(const std::string& phrase,
                       const std::string& address) {
    if (address.empty()) return;
    out_.WriteLine("&nbsp <a href=\"" +
                   WebSearchUrl(state_, phrase + " site:" + address) +
                   "\"> " + address + "</a>");
  }

  LineWriter& out_;
  RunState& state_;
  const std::string group_;
  const std::string word_index_;  // i_G.htm

  bool started_ = false;
  std::string pending_;
  std::string line_key_;
  std::string phrase_words_;
  int64_t word_count_ = 0;
  size_t draw_limit_ = 0;
  bool first_word_recorded_ = false;
  std::string first_word_id_;
  std::string first_record_id_;
  std::string last_page_;
};

}  // namespace

Status WriteSearchPage(const WorkArea& area, RunState& state, int64_t group) {
  const std::string group_text = std::to_string(group);
  LineReader records;
  DOCBASE_RETURN_IF_ERROR(
      records.Open(area.Path("wrd_12_" + group_text + ".txt")));
  LineWriter out;
  DOCBASE_RETURN_IF_ERROR(out.Open(area.Path("s_" + group_text + ".htm")));

  WritePageHead(out, state.display.code_page_name,
                "search.htm, content (only words) from input *.htm files");
  WriteHighlightScript(out, state.display);

  SearchPageWriter writer(out, state, group);
  std::vector<std::string_view> fields;
  std::string_view line;
  while (records.Next(&line)) {
    SplitQuotedRecord(line, &fields);
    writer.Add(FromFields(fields));
  }
  DOCBASE_RETURN_IF_ERROR(records.status());
  writer.Finish();

  out.WriteLine("</body> <br>");
  out.WriteLine("</html> <br>");
  return out.Close();
}

}  // namespace docbase
