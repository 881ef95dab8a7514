// libFuzzer target: see page_cleaner_check.h.
#include "page_cleaner_check.h"

DOCBASE_FUZZ_TARGET(docbase::fuzz::CheckPageCleaner)
