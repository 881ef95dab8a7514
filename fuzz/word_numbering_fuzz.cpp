// libFuzzer target: see word_numbering_check.h.
#include "word_numbering_check.h"

DOCBASE_FUZZ_TARGET(docbase::fuzz::CheckWordNumbering)
