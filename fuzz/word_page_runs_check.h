// Fuzz check of the word-and-page table (WordPageTable, a RecordSorter) as
// its merge reads the sorted runs back from the work file, with the runs
// damaged in between: bytes changed, the file cut short or grown, records
// swapped, after the last run is written or halfway through the records
// (then a merge in levels, past 512 runs, reads the damage first).
//
// Input layout: byte 0 sets the records per run (1 to 8), bytes 1-2 the
// number of records (up to 1199), byte 3 the seed of their contents (ranks
// and pages drawn from few values, so that ties are many); then up to eight
// damages of 5 bytes: byte 0 says when (bit 0: halfway) and to which file
// (bit 1: the "_merge" one), bytes 1-4 the damage (work_file_damage.h).
//
// The same records are sorted once undamaged, which must give them in
// stable order, and once damaged. The damaged pass either gives exactly the
// undamaged records, when the run files are as the undamaged ones were, or
// stops with an I/O error naming a run file; a changed file that reads as
// sound is a failure.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "fuzz_check.h"
#include "words/word_page_table.h"
#include "work_file_damage.h"

namespace docbase::fuzz {

struct TimedDamage {
  bool halfway;
  bool merge_file;
  FileDamage damage;
};

struct SortedRun {
  Status status;
  std::vector<StoredWordPage> records;
  std::string files;     // both run files' bytes as the pass read them
  bool changed = false;  // a damage changed a file when it was made
};

inline SortedRun SortDamaged(const std::filesystem::path& dir,
                             const std::vector<StoredWordPage>& records,
                             size_t budget,
                             const std::vector<TimedDamage>& damages) {
  std::error_code error;
  std::filesystem::remove_all(dir, error);
  std::filesystem::create_directories(dir);
  const std::filesystem::path run = dir / "wrd_word_pages.txt";
  const std::filesystem::path merge = MergeRunFile(run);
  SortedRun result;
  auto inflict = [&](bool halfway) {
    for (const TimedDamage& d : damages) {
      if (d.halfway != halfway) continue;
      const std::filesystem::path& path = d.merge_file ? merge : run;
      const std::string before = FileOrNone(path);
      Inflict(d.damage, path, sizeof(StoredWordPage));
      if (FileOrNone(path) != before) result.changed = true;
    }
  };
  WordPageTable table(run, budget);
  for (size_t i = 0; i < records.size(); ++i) {
    if (i == records.size() / 2) inflict(true);
    result.status = table.Add(records[i]);
    if (!result.status.ok()) return result;
  }
  result.status = table.Finish();
  if (!result.status.ok()) return result;
  inflict(false);
  result.files = FileOrNone(run) + "|" + FileOrNone(merge);
  WordPageTable::Reader reader;
  result.status = table.Open(&reader);
  if (!result.status.ok()) return result;
  StoredWordPage record;
  while (reader.Next(&record)) result.records.push_back(record);
  result.status = reader.status();
  return result;
}

inline bool SameRecords(const std::vector<StoredWordPage>& a,
                        const std::vector<StoredWordPage>& b) {
  return a.size() == b.size() &&
         (a.empty() ||
          std::memcmp(a.data(), b.data(), a.size() * sizeof(a[0])) == 0);
}

inline std::string CheckWordPageRuns(std::string_view input,
                                     const std::filesystem::path& scratch) {
  if (input.size() < 4) return "";
  auto byte = [&](size_t i) { return static_cast<uint8_t>(input[i]); };
  const size_t per_run = 1 + byte(0) % 8;
  const size_t budget = per_run * (sizeof(StoredWordPage) * 3 / 2);
  const size_t count = (byte(1) | byte(2) << 8) % 1200;
  uint64_t state = byte(3);
  auto bits = [&state] {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  };
  std::vector<StoredWordPage> records(count);
  for (StoredWordPage& record : records) {
    const uint64_t b = bits();
    record = StoredWordPage{
        static_cast<uint32_t>(b % 24),  static_cast<uint32_t>((b >> 8) % 40),
        static_cast<uint32_t>(b >> 16), static_cast<uint32_t>(b >> 32) % 9,
        static_cast<uint32_t>(b >> 40), static_cast<uint32_t>(bits())};
  }
  std::vector<TimedDamage> damages;
  for (size_t at = 4; at + 5 <= input.size() && damages.size() < 8; at += 5) {
    damages.push_back(TimedDamage{(byte(at) & 1) != 0, (byte(at) & 2) != 0,
                                  FileDamage::From(input.substr(at + 1, 4))});
  }

  std::vector<StoredWordPage> expected = records;
  std::stable_sort(expected.begin(), expected.end(), WordPageOrder());
  const SortedRun clean = SortDamaged(scratch / "clean", records, budget, {});
  if (!clean.status.ok()) return "undamaged: " + clean.status.ToString();
  if (!SameRecords(clean.records, expected)) {
    return "undamaged: the records are not in stable order";
  }
  const std::filesystem::path dir = scratch / "damaged";
  const SortedRun damaged = SortDamaged(dir, records, budget, damages);
  if (!damaged.status.ok()) {
    const std::string& path = damaged.status.path();
    const std::filesystem::path run = dir / "wrd_word_pages.txt";
    if (!damaged.status.io_error() ||
        (path != run.string() && path != MergeRunFile(run).string())) {
      return "damaged: " + damaged.status.ToString();
    }
    if (!damaged.changed && damaged.files == clean.files) {
      return "no damage, yet " + damaged.status.ToString();
    }
    return "";
  }
  if (damaged.files != clean.files) return "a damaged run file read as sound";
  if (!SameRecords(damaged.records, expected)) {
    return "sound run files gave other records";
  }
  return "";
}

}  // namespace docbase::fuzz
