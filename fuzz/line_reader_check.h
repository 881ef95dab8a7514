// Fuzz check of LineReader: the input, written to a file, must read back as
// exactly the lines a plain reference split gives (a line ends at LF, at
// CR LF or at a lone CR; the last line may lack its end), with no error.
//
// An input whose first byte has its high bit set is read behind a filler of
// 'x' bytes that ends 1 to 128 bytes before the reader's 1 MiB buffer edge,
// so the rest of the input straddles the first refill (a CR as the last
// buffered byte, a line longer than the buffer).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/line_reader.h"
#include "common/test_support.h"
#include "fuzz_check.h"

namespace docbase::fuzz {

inline std::vector<std::string> ReferenceLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

inline std::string CheckLineReader(std::string_view input,
                                   const std::filesystem::path& scratch) {
  constexpr size_t kReaderBuffer = size_t{1} << 20;
  std::string bytes;
  if (!input.empty() && (static_cast<unsigned char>(input[0]) & 0x80)) {
    size_t before_edge = 1 + (static_cast<unsigned char>(input[0]) & 0x7f);
    bytes.assign(kReaderBuffer - before_edge, 'x');
    input.remove_prefix(1);
  }
  bytes.append(input);
  const std::filesystem::path path = scratch / "lines.txt";
  testing::WriteFile(path, bytes);

  std::vector<std::string> expected = ReferenceLines(bytes);
  LineReader reader;
  if (!reader.Open(path).ok()) return "open failed";
  std::string_view line;
  size_t count = 0;
  while (reader.Next(&line)) {
    if (count >= expected.size()) {
      return "extra line " + Shown(line) + " after " +
             std::to_string(count) + " lines";
    }
    if (line != expected[count]) {
      return "line " + std::to_string(count + 1) + " is " + Shown(line) +
             ", expected " + Shown(expected[count]);
    }
    ++count;
  }
  if (!reader.status().ok()) return "read error " + reader.status().ToString();
  if (count != expected.size()) {
    return "read " + std::to_string(count) + " lines, expected " +
           std::to_string(expected.size());
  }
  // Reading past the end stays at the end.
  if (reader.Next(&line)) return "a line after the end";
  return "";
}

}  // namespace docbase::fuzz
