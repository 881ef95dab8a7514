// Placeholder until this phase is built.
#include "words/word_extraction.h"

namespace docbase {

Status ExtractWords(const WorkArea&) { return Status::Ok(); }

}  // namespace docbase
