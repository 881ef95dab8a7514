// The work files the indexing phases hand to each other, each named once
// here with the phase that writes it and the phases that read it. All lie
// in the program directory and end in ".txt", so that the clean-ups, which
// remove every *.txt file there, take them away after a finished run and
// after a killed one alike (they are binary records, not text).
//
// The other phases keep their data in memory: the distinct words, the page
// list, the page groups and the next pages are far smaller than the
// occurrences, which are the only data that grow with the corpus.
#pragma once

#include <string_view>

namespace docbase::work_files {

// One record per word occurrence, page after page in document order
// (StoredOccurrence, words/word_records.h). Written by word extraction; read by the
// annotated pages and the search pages.
constexpr std::string_view kOccurrences = "wrd_occurrences.txt";

// One record per word and page, page after page (StoredPageWord, words/word_records.h).
// Written by word extraction; its next pages are filled in by the word
// splits; read by the annotated pages.
constexpr std::string_view kPageWords = "wrd_page_words.txt";

// The sorted runs of the word-and-page records in word order, made by the
// word splits when they exceed the memory budget; read by the word index
// pages and the main index.
constexpr std::string_view kWordPageRuns = "wrd_word_pages.txt";

}  // namespace docbase::work_files
