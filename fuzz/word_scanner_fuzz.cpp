// libFuzzer target: see word_scanner_check.h.
#include "word_scanner_check.h"

DOCBASE_FUZZ_TARGET(docbase::fuzz::CheckWordScanner)
