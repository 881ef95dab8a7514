#include "html/modern/word_index_page.h"

#include <string>

#include "html/decimal_text.h"
#include "html/modern/markup.h"
#include "html/modern/page_head.h"
#include "workarea/file_names.h"

namespace docbase {

Status ModernWordIndexPages::WriteHead(const WorkArea& area,
                                       const Settings& settings,
                                       int64_t group) {
  const std::string g = std::to_string(group);
  page_.emplace(
      area, WordIndexPageName(g), page_parts_, page_parts_.bytes(),
      ListPageTop(settings, parts_, group, "Word index, group " + g,
                  {{std::string(MainIndexPageName()), "Main index"},
                   {std::string(ContentsPageName()), "Contents"},
                   {SearchPageName(g), "Search page " + SearchPageStem(g)}},
                  "Every word of the pages of this group, page by page, with "
                  "the number of its occurrences there."),
      ListPageFile::PartRecord::kLastWord);
  return page_->Open();
}

// One paragraph per word, carrying the word id (so "i_G.htm#ID" lands on
// it) and, in "data-k", the number of the word's first occurrence on each
// of its pages; then the word and its pages with their counts:
//   <p id="ID" data-k="K1 K2"><b>WORD</b> PAGE1 (N1), PAGE2 (N2)</p>
// ("data-e": the encoded query of a word whose bytes are not all text).
// The script makes the links of the classic entries from them: the pages,
// the search page, the contents page, the main index and the web search.
Status ModernWordIndexPages::WriteEntries(const Settings&,
                                          int64_t group,
                                          WordPageSource& source) {
  if (!page_ || !page_->out().is_open()) {
    return Status::IoError(WordIndexPageName(group),
                           "the page head was not written");
  }
  LineWriter& out = page_->out();
  Blocks blocks(out, Blocks::Limits{kWordIndexEntriesPerBlock},
                [this](LineWriter& to, uint64_t) {
                  page_->BeforeBlock();
                  to.WriteLine("<div class=\"blk wi\">");
                });
  // A paragraph is written once its word's entries are all known.
  std::string last_id, numbers, pages;
  std::string word, encoded_word;
  auto write_paragraph = [&] {
    blocks.Entry();
    out.Write("<p id=\"");
    out.Write(last_id);
    out.Write("\" data-k=\"");
    out.Write(numbers);
    if (!encoded_word.empty()) {
      out.Write("\" data-e=\"");
      out.Write(encoded_word);
    }
    out.Write("\"><b>");
    out.Write(word);
    out.Write("</b> ");
    out.Write(pages);
    out.WriteLine("</p>");
    page_->NoteWord(last_id);
  };
  WordPageEntry entry;
  while (source.Next(&entry)) {
    if (entry.id != last_id) {
      if (!last_id.empty()) write_paragraph();
      last_id.assign(entry.id);
      word.clear();
      AppendEscaped(&word, entry.word);
      // A word the page's text cannot carry as it is: its web search
      // query, encoded here.
      encoded_word.clear();
      if (!SurvivesAsText(entry.word)) {
        AppendQueryEncoded(&encoded_word, entry.word);
      }
      numbers.clear();
      pages.clear();
    } else {
      numbers.push_back(' ');
      pages.append(", ");
    }
    numbers.append(entry.first_k_text);
    AppendEscaped(&pages, entry.page);
    pages.append(" (");
    pages.append(DecimalText(entry.count).view());
    pages.push_back(')');
  }
  DOCBASE_RETURN_IF_ERROR(source.status());
  if (!last_id.empty()) write_paragraph();
  blocks.Finish();
  const Status finished = page_->Finish();
  page_.reset();
  return finished;
}

}  // namespace docbase
