// libFuzzer target: see pipeline_check.h.
#include "pipeline_check.h"

DOCBASE_FUZZ_TARGET(docbase::fuzz::CheckPipeline)
