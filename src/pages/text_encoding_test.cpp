#include "pages/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace docbase {
namespace {

// The UTF-8 of `text`, as a whole and fed one byte at a time (the two must
// agree: a block may end anywhere).
std::string Decode(std::string_view text, const CodePage* page = nullptr) {
  TextForm form = FormOfStart(text.substr(0, 3));
  if (page != nullptr) {
    form.decoding = TextForm::Decoding::kCodePage;
    form.code_page = page;
  }
  std::string whole, bytewise;
  TextDecoder at_once(form), by_byte(form);
  at_once.Add(text, &whole);
  at_once.Finish(&whole);
  for (char c : text) by_byte.Add(std::string_view(&c, 1), &bytewise);
  by_byte.Finish(&bytewise);
  EXPECT_EQ(whole, bytewise);
  return whole;
}

bool IsUtf8(std::string_view text) {
  Utf8Check check;
  check.Add(text);
  return check.valid();
}

TEST(TextEncodingTest, ByteOrderMarks) {
  EXPECT_TRUE(FormOfStart("abc").as_is());
  EXPECT_TRUE(FormOfStart("\xEF\xBB").as_is());
  EXPECT_EQ(FormOfStart("\xEF\xBB\xBF").mark, 3u);
  EXPECT_EQ(FormOfStart("\xFF\xFEx").decoding, TextForm::Decoding::kUtf16Le);
  EXPECT_EQ(FormOfStart("\xFE\xFF").decoding, TextForm::Decoding::kUtf16Be);
  EXPECT_EQ(Decode("\xEF\xBB\xBFna\xC3\xAFve \xEF\xBB\xBF"),
            "na\xC3\xAFve \xEF\xBB\xBF");
}

TEST(TextEncodingTest, TellsUtf8FromOtherBytes) {
  EXPECT_TRUE(IsUtf8(""));
  EXPECT_TRUE(IsUtf8("plain ASCII, long enough for the word loop\r\n"));
  EXPECT_TRUE(IsUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF"));
  for (std::string_view bad :
       {"caf\xE9", "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80",
        "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\x80",
        "\xC3", "\xE2\x82", "\xC3\xA9\xC3"}) {
    EXPECT_FALSE(IsUtf8(bad)) << testing::PrintToString(bad);
  }
  // A sequence cut between two blocks is still one sequence.
  Utf8Check check;
  check.Add("caf\xC3");
  EXPECT_FALSE(check.valid());
  EXPECT_FALSE(check.broken());
  check.Add("\xA9");
  EXPECT_TRUE(check.valid());
}

TEST(TextEncodingTest, ConvertsUtf16) {
  // "na\u00efve \u20ac \U0001F600\r\n", little- and big-endian.
  const std::string utf8 = "na\xC3\xAFve \xE2\x82\xAC \xF0\x9F\x98\x80\r\n";
  EXPECT_EQ(Decode(std::string("\xFF\xFEn\0a\0\xEF\0v\0e\0 \0\xAC\x20 \0"
                               "\x3D\xD8\x00\xDE\r\0\n\0",
                               26)),
            utf8);
  EXPECT_EQ(Decode(std::string("\xFE\xFF\0n\0a\0\xEF\0v\0e\0 \x20\xAC\0 "
                               "\xD8\x3D\xDE\x00\0\r\0\n",
                               26)),
            utf8);
  // Unpaired surrogates give U+FFFD; an odd last byte is dropped.
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(Decode(std::string("\xFF\xFE\x3D\xD8x\0\x00\xDEy\0\x3D\xD8z", 13)),
            replacement + "x" + replacement + "y" + replacement);
  EXPECT_EQ(Decode(std::string("\xFE\xFF\0\0", 4)), std::string(1, '\0'));
}

TEST(TextEncodingTest, CodePages) {
  ASSERT_EQ(FindCodePage("Windows-1252"), FindCodePage("windows-1252"));
  const CodePage* western = FindCodePage("WINDOWS-1252");
  ASSERT_NE(western, nullptr);
  EXPECT_EQ(FindCodePage("windows-1259"), nullptr);
  EXPECT_EQ(FindCodePage("utf-8"), nullptr);
  for (std::string_view name :
       {"windows-1250", "windows-1251", "windows-1253", "windows-1254",
        "windows-1255", "windows-1256", "windows-1257", "windows-1258",
        "iso-8859-1", "ISO-8859-15"}) {
    EXPECT_NE(FindCodePage(name), nullptr) << name;
  }
  // A byte the code page leaves undefined (0x81) gives U+FFFD.
  EXPECT_EQ(Decode("caf\xE9 \x80\x81\r\n", western),
            "caf\xC3\xA9 \xE2\x82\xAC\xEF\xBF\xBD\r\n");
  EXPECT_EQ(Decode("\xA4", FindCodePage("iso-8859-15")), "\xE2\x82\xAC");
  EXPECT_EQ(Decode("\xA4", FindCodePage("iso-8859-1")), "\xC2\xA4");
  EXPECT_EQ(Decode("\xC0", FindCodePage("windows-1251")), "\xD0\x90");
  // A UTF-8 mark is dropped before the code page reads the rest.
  EXPECT_EQ(Decode("\xEF\xBB\xBF\xE9", western), "\xC3\xA9");
}

}  // namespace
}  // namespace docbase
