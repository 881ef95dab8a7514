// libFuzzer target: see word_page_runs_check.h.
#include "word_page_runs_check.h"

DOCBASE_FUZZ_TARGET(docbase::fuzz::CheckWordPageRuns)
