// For the contract tests of the platform layer (included by tests only): a
// fresh folder made by the layer itself, removed with all it holds when the
// test ends, and a way to make links that says why it could not.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/file.h"
#include "platform/file_system.h"

namespace docbase::platform_test {

class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Status made = MakeTemporaryFolder("docbase_platform", &folder_);
    ASSERT_TRUE(made.ok()) << made.ToString();
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }

  std::filesystem::path At(const std::string& name) const {
    return folder_ / name;
  }
  void Put(const std::filesystem::path& path, const std::string& bytes) {
    File file;
    ASSERT_TRUE(file.Open(path, File::Mode::kWriteTruncate).ok());
    ASSERT_TRUE(file.Write(bytes.data(), bytes.size()).ok());
    ASSERT_TRUE(file.Close().ok());
  }
  std::string Get(const std::filesystem::path& path) {
    File file;
    std::string bytes(1 << 12, '\0');
    size_t got = 0;
    if (!file.Open(path, File::Mode::kRead).ok()) return "<missing>";
    EXPECT_TRUE(file.ReadAt(0, bytes.data(), bytes.size(), &got).ok());
    bytes.resize(got);
    return bytes;
  }
  // A symbolic link at `link` to `target`; empty, or why the system would
  // not make one (Windows without the right to, or Wine on some hosts).
  std::string MakeLink(const std::filesystem::path& target,
                       const std::filesystem::path& link, bool folder) {
    std::error_code error;
    if (folder) {
      std::filesystem::create_directory_symlink(target, link, error);
    } else {
      std::filesystem::create_symlink(target, link, error);
    }
    if (!error && KindOfEntry(link) != EntryKind::kLink) {
      return "the link made is not seen as one";
    }
    return error ? "cannot make a link here: " + error.message() : "";
  }

  std::filesystem::path folder_;
};

}  // namespace docbase::platform_test
