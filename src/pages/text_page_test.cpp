#include "pages/text_page.h"

#include <gtest/gtest.h>

#include <string>

#include "base/test_support.h"

namespace docbase {
namespace {

using testing::TempFolder;
using testing::WriteFile;

constexpr char kHead[] =
    "<HTML>\r\n<head>\r\n"
    "<meta http-equiv=\"content-type\"  content=\"text/HTML; "
    "charset=utf-8\">\r\n"
    "<title>\r\nhtm_wrk\\notes.htm\r\n</title>\r\n</head>\r\n<body>\r\n"
    "<pre>\r\n";
constexpr char kTail[] = "</pre>\r\n</body>\r\n</html>\r\n";

class TextPageTest : public ::testing::Test {
 protected:
  struct StringSink {
    void Write(std::string_view bytes) { text.append(bytes); }
    std::string text;
  };
  std::string Convert(std::string_view text, const char* name = "notes.txt") {
    WriteFile(folder_.path() / "notes.txt", text);
    StringSink page;
    Status status = page_.Open(folder_.path() / name, "htm_wrk\\notes.htm");
    if (status.ok()) status = CopyAllBytes(page_, page);
    EXPECT_TRUE(status.ok()) << status.ToString();
    return page.text;
  }
  TempFolder folder_;
  TextPageBytes page_;
};

TEST_F(TextPageTest, EmptyTextGivesAnEmptyPreBlock) {
  EXPECT_EQ(Convert(""), std::string(kHead) + kTail);
}

TEST_F(TextPageTest, MarkupAndAmpersandsAreCopiedAsTheyAre) {
  EXPECT_EQ(Convert("<b>bold</b> & more\n"),
            std::string(kHead) + "<b>bold</b> & more\r\n" + kTail);
}

TEST_F(TextPageTest, TrailingBlanksGoTabsAndEmptyLinesStay) {
  EXPECT_EQ(Convert("a   \r\nb\t\r\n\r\n  c \t \rd"),
            std::string(kHead) + "a\r\nb\t\r\n\r\n  c \t\r\nd\r\n" + kTail);
}

TEST_F(TextPageTest, OneMakerServesPageAfterPage) {
  EXPECT_EQ(Convert("a long first text\n"),
            std::string(kHead) + "a long first text\r\n" + kTail);
  EXPECT_EQ(Convert("b"), std::string(kHead) + "b\r\n" + kTail);
}

TEST_F(TextPageTest, BytesAreNeverDecoded) {
  std::string text("\xff\xfe\x00z\xc3(\x01", 7);
  EXPECT_EQ(Convert(text + "\n"), std::string(kHead) + text + "\r\n" + kTail);
}

TEST_F(TextPageTest, MissingSourceGivesAnEmptyPreBlock) {
  EXPECT_EQ(Convert("unused", "gone.txt"), std::string(kHead) + kTail);
}

}  // namespace
}  // namespace docbase
