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

#include <filesystem>

#include "workarea/work_area.h"

namespace docbase {

// One record per word occurrence, page after page in document order
// (StoredOccurrence, words/word_records.h). Written by word extraction;
// read by the annotated pages and the search pages.
inline std::filesystem::path OccurrenceFile(const WorkArea& area) {
  return area.Path("wrd_occurrences.txt");
}

// One record per word and page, page after page (StoredPageWord). Written
// by word extraction; its next pages are filled in by the word splits; read
// by the annotated pages.
inline std::filesystem::path PageWordFile(const WorkArea& area) {
  return area.Path("wrd_page_words.txt");
}

// The sorted runs of the word-and-page records in word-id order
// (StoredWordPage), made by the word splits when they exceed the memory
// budget (a second one, "_merge" before the extension, when there are very
// many); read by the word index pages and the main index.
inline std::filesystem::path WordPageRunFile(const WorkArea& area) {
  return area.Path("wrd_word_pages.txt");
}

}  // namespace docbase
