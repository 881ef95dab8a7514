// Helpers of the hardening end-to-end tests: the standard answers of a run,
// a byte-exact snapshot of a folder tree (txt_in must come out of every run
// unchanged; two runs must give the same htm_out), file systems mounted for
// one test (a small tmpfs that fills up, a folder turned read-only while a
// run waits at a menu), and small generated corpora.
//
// Mounting needs root (CAP_SYS_ADMIN); the tests skip where it is refused.
#pragma once

#include <sys/mount.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/test_support.h"
#include "run/split_mix.h"

namespace docbase::e2e {

// Terms, font and installation menus, the "number of files =" menu and the
// destination prompt; the final key wait ends at the end of the input.
inline constexpr char kAnswers[] = "1\n1\n1\n1\nwww.example.org\n";
// Up to the "number of files =" menu, which then waits.
inline constexpr char kAnswersBeforeFileCount[] = "1\n1\n1\n";
// The "number of files =" menu, as it waits for its key.
inline std::string FileCountMenu(int files) {
  return "number of files = " + std::to_string(files) +
         "\r\n\r\n<1> continue\r\n<2> end\r\n";
}
inline constexpr char kAnswersAfterFileCount[] = "1\nwww.example.org\n";

inline constexpr char kDone[] = "Indexing is done.";
inline constexpr char kStopped[] =
    "The run has stopped: a file could not be read or written.\r\nfile:   ";

// Every regular file below `root`, by path relative to it, with its bytes.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot TakeSnapshot(const std::filesystem::path& root) {
  Snapshot files;
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(root, error);
       !error && it != std::filesystem::recursive_directory_iterator();
       it.increment(error)) {
    if (it->is_regular_file()) {
      files[std::filesystem::relative(it->path(), root).string()] =
          testing::ReadFile(it->path());
    }
  }
  return files;
}

// Names of the files that differ between two snapshots.
inline std::string SnapshotDifference(const Snapshot& a, const Snapshot& b) {
  std::string names;
  for (const auto& [name, bytes] : a) {
    auto other = b.find(name);
    if (other == b.end()) {
      names += " only-first:" + name;
    } else if (other->second != bytes) {
      names += " differs:" + name;
    }
  }
  for (const auto& [name, bytes] : b) {
    if (!a.count(name)) names += " only-second:" + name;
  }
  return names;
}

// Compares two snapshots, naming the files that differ (printing whole
// snapshots would print megabytes).
#define DOCBASE_EXPECT_SAME_FILES(actual, expected)                 \
  do {                                                              \
    const ::docbase::e2e::Snapshot& docbase_actual_ = (actual);     \
    const ::docbase::e2e::Snapshot& docbase_expected_ = (expected); \
    EXPECT_TRUE(docbase_actual_ == docbase_expected_)               \
        << ::docbase::e2e::SnapshotDifference(docbase_actual_,      \
                                              docbase_expected_);   \
  } while (0)

// A file system mounted on a folder for the life of the object. ok() is
// false (with the reason in error()) where mounting is not allowed.
class ScopedMount {
 public:
  // A tmpfs of `size` (as mount takes it, e.g. "2m") on `dir`.
  static ScopedMount Tmpfs(const std::filesystem::path& dir,
                           const std::string& size) {
    ScopedMount mount;
    std::string options = "size=" + size + ",mode=0755";
    mount.Try(::mount("tmpfs", dir.c_str(), "tmpfs", 0, options.c_str()), dir);
    return mount;
  }

  // `dir` itself, bound onto itself. A run started in it afterwards works
  // on this mount, so MakeReadOnly reaches it (a mount made on top of a
  // run's current folder would not).
  static ScopedMount Bind(const std::filesystem::path& dir) {
    ScopedMount mount;
    mount.Try(::mount(dir.c_str(), dir.c_str(), nullptr, MS_BIND, nullptr),
              dir);
    return mount;
  }

  // Gives a tmpfs mounted by Tmpfs a new size, keeping its files: room
  // made on a disk that filled up.
  bool Resize(const std::string& size) {
    std::string options = "size=" + size;
    if (::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT,
                options.c_str()) == 0) {
      return true;
    }
    error_ = std::strerror(errno);
    return false;
  }

  // Turns a bind mount read-only, for every process working in it.
  bool MakeReadOnly() {
    if (::mount(nullptr, dir_.c_str(), nullptr,
                MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0) {
      return true;
    }
    error_ = std::strerror(errno);
    return false;
  }

  ScopedMount(ScopedMount&& other) noexcept
      : dir_(std::move(other.dir_)), error_(std::move(other.error_)) {
    other.dir_.clear();
  }
  ~ScopedMount() {
    if (!dir_.empty()) ::umount2(dir_.c_str(), MNT_DETACH);
  }

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

 private:
  ScopedMount() = default;
  void Try(int result, const std::filesystem::path& dir) {
    if (result == 0) {
      dir_ = dir;
    } else {
      error_ = std::strerror(errno);
    }
  }

  std::filesystem::path dir_;  // empty when nothing is mounted
  std::string error_;
};

// Caps the size of every file this process and the programs it starts
// write (RLIMIT_FSIZE), for the life of the object: a run whose output
// grows without bound is stopped by SIGXFSZ instead of filling the disk.
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = std::min<rlim_t>(bytes, saved_.rlim_max);
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~ScopedFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  rlimit saved_;
};

// `count` text files of about `bytes_each` bytes of words from a small
// vocabulary (some words repeat across files, so groups and counts have
// work to do), named doc_001.txt and on, into `txt_in`.
inline void WriteWordCorpus(const std::filesystem::path& txt_in, int count,
                            size_t bytes_each) {
  static const char* const kWords[] = {
      "alpha",  "bravo",    "charlie", "delta",   "echo",    "foxtrot",
      "golf",   "hotel",    "india",   "juliett", "kilo",    "lima",
      "mike",   "november", "oscar",   "papa",    "quebec",  "romeo",
      "sierra", "tango",    "uniform", "victor",  "whiskey", "xray",
      "yankee", "zulu",     "Alpha",   "ECHO",    "river",   "mountain"};
  std::filesystem::create_directories(txt_in);
  SplitMix64 random;
  for (int file = 1; file <= count; ++file) {
    std::string text;
    size_t line_length = 0;
    while (text.size() < bytes_each) {
      std::string_view word = kWords[random.NextBits() % std::size(kWords)];
      text.append(word);
      line_length += word.size();
      if (line_length > 60) {
        text.append("\n");
        line_length = 0;
      } else {
        text.push_back(' ');
        ++line_length;
      }
    }
    char name[32];
    std::snprintf(name, sizeof name, "doc_%03d.txt", file);
    testing::WriteFile(txt_in / name, text + "\n");
  }
}

// `count` text files of `words_each` different three-letter words each,
// drawn anew for every file from the 1728 made of the letters a to l, 12 to
// a line: every occurrence of a page is a word-and-page record of its own,
// so the word tables are large for the size of the text. Named doc_001.txt
// and on, into `txt_in`.
inline void WriteDistinctWordCorpus(const std::filesystem::path& txt_in,
                                    int count, size_t words_each) {
  std::vector<std::string> words;
  for (char a = 'a'; a <= 'l'; ++a) {
    for (char b = 'a'; b <= 'l'; ++b) {
      for (char c = 'a'; c <= 'l'; ++c) words.push_back({a, b, c});
    }
  }
  words_each = std::min(words_each, words.size());
  std::filesystem::create_directories(txt_in);
  SplitMix64 random;
  for (int file = 1; file <= count; ++file) {
    // The first `words_each` places of a partial shuffle.
    for (size_t i = 0; i < words_each; ++i) {
      std::swap(words[i], words[i + random.NextBits() % (words.size() - i)]);
    }
    std::string text;
    for (size_t i = 0; i < words_each; ++i) {
      text += words[i];
      text += (i % 12 == 11 || i + 1 == words_each) ? '\n' : ' ';
    }
    char name[32];
    std::snprintf(name, sizeof name, "doc_%03d.txt", file);
    testing::WriteFile(txt_in / name, text);
  }
}

}  // namespace docbase::e2e
