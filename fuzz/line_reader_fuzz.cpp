// libFuzzer target: see line_reader_check.h.
#include "line_reader_check.h"

DOCBASE_FUZZ_TARGET(docbase::fuzz::CheckLineReader)
