// Fuzz check of LineReader: the input, written to a file, must read back as
// exactly the lines a plain reference split gives (a line ends at LF, at
// CR LF or at a lone CR; the last line may lack its end), with no error.
//
// The first byte chooses how the rest is read:
// - high bit set: with the default reader, behind a filler of 'x' bytes
//   that ends 1 to 128 bytes before its 1 MiB buffer edge, so the rest
//   straddles the first refill (a CR as the last buffered byte, a line
//   longer than the buffer);
// - otherwise: with a reader of a tiny buffer (1 to 64 bytes), so that
//   every input meets many refills and buffer growths.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/test_support.h"
#include "fuzz_check.h"
#include "io/line_reader.h"

namespace docbase::fuzz {

// Makes the file at `path` hold `filler_room` 'x' bytes and then `tail`.
// The filler is written only when missing, so that each input costs a
// small write.
inline bool WriteBehindFiller(const std::filesystem::path& path,
                              size_t filler_room, std::string_view tail) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  struct stat info;
  bool ok = ::fstat(fd, &info) == 0;
  if (ok && static_cast<size_t>(info.st_size) < filler_room) {
    std::string filler(filler_room, 'x');
    ok = ::pwrite(fd, filler.data(), filler.size(), 0) ==
         static_cast<ssize_t>(filler.size());
  }
  ok = ok && ::ftruncate(fd, static_cast<off_t>(filler_room)) == 0;
  ok = ok && (tail.empty() || ::pwrite(fd, tail.data(), tail.size(),
                                       static_cast<off_t>(filler_room)) ==
                                  static_cast<ssize_t>(tail.size()));
  return ::close(fd) == 0 && ok;
}

inline std::string CheckLineReader(std::string_view input,
                                   const std::filesystem::path& scratch) {
  constexpr size_t kReaderBuffer = LineReader::kDefaultBufferSize;
  constexpr size_t kMostBeforeEdge = 128;
  std::string bytes;
  std::filesystem::path path = scratch / "lines.txt";
  size_t buffer_size = LineReader::kDefaultBufferSize;
  const unsigned char mode = input.empty() ? 0 : input[0];
  if (!input.empty()) input.remove_prefix(1);
  if (mode & 0x80) {
    size_t before_edge = 1 + (mode & 0x7f);
    const size_t filler_room = kReaderBuffer - kMostBeforeEdge;
    bytes.assign(kReaderBuffer - before_edge, 'x');
    bytes.append(input);
    path = scratch / "edge.txt";
    if (!WriteBehindFiller(path, filler_room,
                           std::string_view(bytes).substr(filler_room))) {
      return "cannot write the input file";
    }
  } else {
    buffer_size = 1 + mode % 64;
    bytes.assign(input);
    testing::WriteFile(path, bytes);
  }

  const std::vector<std::string_view> expected = SplitLines(bytes);
  LineReader reader(buffer_size);
  if (!reader.Open(path).ok()) return "open failed";
  std::string_view line;
  size_t count = 0;
  while (reader.Next(&line)) {
    if (count >= expected.size()) {
      return "extra line " + Shown(line) + " after " + std::to_string(count) +
             " lines";
    }
    if (line != expected[count]) {
      return "line " + std::to_string(count + 1) + " is " + Shown(line) + " (" +
             std::to_string(line.size()) + " bytes), expected " +
             Shown(expected[count]) + " (" +
             std::to_string(expected[count].size()) + " bytes)";
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
