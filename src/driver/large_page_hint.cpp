#include "driver/large_page_hint.h"

#include <system_error>

#include "driver/shell_text.h"
#include "platform/path.h"
#include "workarea/file_names.h"

namespace docbase {

std::string LargePageHint(const std::filesystem::path& output_folder,
                          const ShellTerms& terms) {
  std::error_code error;
  std::filesystem::directory_iterator entries(output_folder, error);
  if (error) return {};
  std::string largest;
  uint64_t largest_bytes = 0;
  int large_pages = 0;
  for (const std::filesystem::directory_entry& entry : entries) {
    if (!entry.is_regular_file(error)) continue;
    const uint64_t bytes = entry.file_size(error);
    if (error || bytes <= kLargePageBytes) continue;
    ++large_pages;
    if (bytes > largest_bytes) {
      largest_bytes = bytes;
      largest = Utf8FromPath(entry.path().filename());
    }
  }
  if (large_pages == 0) return {};
  std::string hint = std::string(OutputFolder()) +
                     std::string(terms.path_separator) + largest + " is " +
                     std::to_string((largest_bytes + (1 << 19)) >> 20) + " MB";
  if (large_pages > 1) {
    hint += " (" + std::to_string(large_pages - 1) + " more page" +
            (large_pages > 2 ? "s" : "") + " over 20 MB)";
  }
  hint +=
      ": browsers open such pages slowly or not at all; --layout modern (or "
      "--group-size N) makes pages browsers open at once.";
  return MessageLine(hint, terms);
}

}  // namespace docbase
