// The hostile input sets of scripts/make_adversarial_inputs.py, written
// into a test's txt_in by that one script, for the tests as for the
// comparison of builds.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "program_runner.h"

namespace docbase::e2e {

// Writes the sets `kinds` ("names", "nul", "cr", ...) into `txt_in`.
inline void WriteAdversarialInputs(const std::filesystem::path& txt_in,
                                   std::initializer_list<const char*> kinds) {
  std::filesystem::create_directories(txt_in);
  const std::string script =
      std::string(DOCBASE_SOURCE_DIR) + "/scripts/make_adversarial_inputs.py";
  for (const char* kind : kinds) {
    ProgramOutcome made = RunProgram(
        "/usr/bin/python3", {script, kind, txt_in.string()}, txt_in, "");
    ASSERT_EQ(made.exit_status, 0) << kind << ": " << made.err;
  }
}

}  // namespace docbase::e2e
