// The common shape of the fuzz checks. A check feeds one input through one
// piece of the program and returns a description of the first property that
// did not hold, or an empty string when all held. The libFuzzer targets
// (fuzz/*_fuzz.cpp) abort on a non-empty result; the regression test
// (tests/fuzz_regressions_test.cpp) feeds every kept crash input through the
// same check, so CI catches a fault again without clang.
//
// Checks are header-only so that both the fuzz build and the test binary can
// compile them without joining the program's library.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace docbase::fuzz {

// `scratch` is an empty folder the check may use for its files; it may hold
// leftovers of an earlier input.
using Check = std::string (*)(std::string_view input,
                              const std::filesystem::path& scratch);

// Shortens bytes for a failure message.
inline std::string Shown(std::string_view bytes) {
  std::string shown;
  for (unsigned char c : bytes.substr(0, 60)) {
    if (c >= 32 && c < 127 && c != '\\') {
      shown.push_back(static_cast<char>(c));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      shown += escaped;
    }
  }
  if (bytes.size() > 60) shown += "...";
  return "\"" + shown + "\"";
}

// The lines of `bytes` by a plain split (a line ends at LF, at CR LF or at
// a lone CR; the last line may lack its end), as views into it.
inline std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t begin = 0;
  while (begin < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(begin));
      break;
    }
    lines.push_back(bytes.substr(begin, end - begin));
    begin = end + 1;
    if (bytes[end] == '\r' && begin < bytes.size() && bytes[begin] == '\n') {
      ++begin;
    }
  }
  return lines;
}

// Cuts `input` in two at a point chosen by its first byte (the byte itself
// is dropped), for checks that feed two pages through one object.
inline std::pair<std::string_view, std::string_view> CutInTwo(
    std::string_view input) {
  if (input.empty()) return {};
  size_t cut = static_cast<unsigned char>(input[0]) * (input.size() - 1) / 255;
  input.remove_prefix(1);
  return {input.substr(0, cut), input.substr(cut)};
}

}  // namespace docbase::fuzz

namespace docbase::fuzz {

// The scratch folder of a fuzzing process: made at the first input under
// the temporary folder (TMPDIR), removed when the process exits normally.
inline const std::filesystem::path& ProcessScratch() {
  // Never destroyed, so that the exit handler can still use it.
  static const std::filesystem::path* const scratch = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "docbase_fuzz_XXXXXX")
            .string();
    if (!mkdtemp(pattern.data())) std::abort();
    return new std::filesystem::path(pattern);
  }();
  static const bool removed_at_exit = [] {
    std::atexit([] {
      std::error_code error;
      std::filesystem::remove_all(*scratch, error);
    });
    return true;
  }();
  (void)removed_at_exit;
  return *scratch;
}

}  // namespace docbase::fuzz

// Defines the libFuzzer entry point of a target that runs `check`.
#define DOCBASE_FUZZ_TARGET(check)                                             \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {    \
    const std::filesystem::path& scratch = docbase::fuzz::ProcessScratch();    \
    std::string failure = check(                                               \
        std::string_view(reinterpret_cast<const char*>(data), size), scratch); \
    if (!failure.empty()) {                                                    \
      std::fprintf(stderr, "fuzz check failed: %s\n", failure.c_str());        \
      std::abort();                                                            \
    }                                                                          \
    return 0;                                                                  \
  }
