// libFuzzer target: see occurrence_tables_check.h.
#include "occurrence_tables_check.h"

DOCBASE_FUZZ_TARGET(docbase::fuzz::CheckOccurrenceTables)
