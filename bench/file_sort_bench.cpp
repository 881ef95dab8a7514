// Benchmark driver for the file sort, run by bench/sort_bench.sh.
//
//   file_sort_bench generate LINES FILE   writes LINES word-table records
//   file_sort_bench sort INPUT OUTPUT     sorts INPUT into OUTPUT with the
//                                         program's file sort, in the
//                                         current directory
//
// The generated records look like the lines of wrd_07.txt (inv, id, page,
// line, col, word, id, k) and are the same for every call with the same
// LINES: a fixed-seed generator picks words from a vocabulary whose word
// frequencies fall off like those of real text.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/line_writer.h"
#include "common/quoted_record.h"
#include "common/split_mix.h"
#include "common/text.h"
#include "driver/run_state.h"
#include "driver/scripted_console.h"
#include "sort/file_sort.h"
#include "workarea/work_area.h"

namespace {

using docbase::Status;

Status Generate(uint64_t lines, const char* file) {
  docbase::LineWriter writer;
  Status status = writer.Open(file);
  if (!status.ok()) return status;
  docbase::SplitMix64 random;
  const char* stems[] = {"Paris", "apple", "Zebra", "\xc3\xa9t\xc3\xa9",
                         "word",  "Index", "river", "\xd0\x9c\xd0\xb8\xd1\x80"};
  std::string record;
  for (uint64_t i = 0; i < lines; ++i) {
    // Squaring a uniform draw favours small word numbers, as in text.
    double draw = random.NextUnit();
    uint64_t word_number = static_cast<uint64_t>(draw * draw * 60000.0);
    uint64_t k =
        1 + static_cast<uint64_t>(random.NextUnit() * random.NextUnit() * 40);
    uint64_t page = 1 + static_cast<uint64_t>(random.NextUnit() * 1000);
    uint64_t line = 1 + static_cast<uint64_t>(random.NextUnit() * 400);
    uint64_t col = 5 + static_cast<uint64_t>(random.NextUnit() * 70);
    std::string word = stems[word_number % 8] + std::to_string(word_number);
    std::string id = docbase::WordId(word_number * 7);
    record.clear();
    docbase::AppendQuotedRecord(
        &record, {docbase::ZeroPadded(100000000 - k, 8), id,
                  "page_" + docbase::ZeroPadded(page, 4) + ".htm",
                  docbase::BlankPadded(static_cast<int64_t>(line), 10),
                  docbase::BlankPadded(static_cast<int64_t>(col), 6), word, id,
                  std::to_string(k)});
    writer.Write(record);
    writer.Write("\n");
  }
  return writer.Close();
}

Status Sort(const char* input, const char* output) {
  docbase::RunState state;
  state.sort_input_name = input;
  state.sort_output_name = output;
  docbase::ScriptedConsole console;
  docbase::FileSortReport report;
  Status status = docbase::FileSortWithLimits(docbase::WorkArea(), state,
                                              console, {}, &report);
  std::fputs(console.output().c_str(), stdout);
  std::printf("runs: %zu, merge passes:", report.runs);
  for (size_t width : report.pass_widths) std::printf(" %zu", width);
  std::printf("\n");
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  Status status;
  if (argc == 4 && std::strcmp(argv[1], "generate") == 0) {
    status = Generate(std::strtoull(argv[2], nullptr, 10), argv[3]);
  } else if (argc == 4 && std::strcmp(argv[1], "sort") == 0) {
    status = Sort(argv[2], argv[3]);
  } else {
    std::fprintf(stderr,
                 "usage: file_sort_bench generate LINES FILE\n"
                 "       file_sort_bench sort INPUT OUTPUT\n");
    return 2;
  }
  if (!status.ok()) {
    std::fprintf(stderr, "%s\n", status.ToString().c_str());
    return 1;
  }
  return 0;
}
