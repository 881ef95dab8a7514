// libFuzzer target: see quoted_record_check.h.
#include "quoted_record_check.h"

DOCBASE_FUZZ_TARGET(docbase::fuzz::CheckQuotedRecord)
