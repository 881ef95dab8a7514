#include "pages/name_sanitiser.h"

#include <gtest/gtest.h>

namespace docbase {
namespace {

TEST(SanitisedNameTest, EveryOtherByteOfTheBaseBecomesOneUnderscore) {
  EXPECT_EQ(SanitisedName("notes.txt"), "notes.txt");
  EXPECT_EQ(SanitisedName("NOTES.TXT"), "NOTES.TXT");
  EXPECT_EQ(SanitisedName("my notes (2).txt"), "my_notes__2_.txt");
  EXPECT_EQ(SanitisedName("a;b&c|d$(e)'f\"g-h.txt"), "a_b_c_d__e__f_g_h.txt");
  EXPECT_EQ(SanitisedName("-rf.txt"), "_rf.txt");
  EXPECT_EQ(SanitisedName("x@[`{~\x7f.txt"), "x______.txt");
  // "é" is two bytes in UTF-8, "€" three; a stray 0xff byte is one.
  EXPECT_EQ(SanitisedName("caf\xc3\xa9.txt"), "caf__.txt");
  EXPECT_EQ(SanitisedName("\xe2\x82\xac\xff.txt"), "____.txt");
  // Line-end bytes in a name are only bytes too.
  EXPECT_EQ(SanitisedName("a\nb\rc.txt"), "a_b_c.txt");
}

TEST(SanitisedNameTest, OnlyTheBaseBeforeTheFirstTxtChanges) {
  EXPECT_EQ(SanitisedName("a.b.txt"), "a_b.txt");
  EXPECT_EQ(SanitisedName("a b.txt.txt"), "a_b.txt.txt");
  EXPECT_EQ(SanitisedName("x y.Txt"), "x_y.Txt");
  // Blanks around the name and before the extension are dropped.
  EXPECT_EQ(SanitisedName("  a b .txt"), "a_b.txt");
  EXPECT_EQ(SanitisedName(".txt"), ".txt");
  EXPECT_EQ(SanitisedName("no extension"), "no extension");
}

TEST(SanitisedNameTest, NamesOfTheRunsOwnPagesGetAFilePrefix) {
  EXPECT_EQ(SanitisedName("Page_3.txt"), "file_Page_3.txt");
  EXPECT_EQ(SanitisedName("page 3.txt"), "file_page_3.txt");
  EXPECT_EQ(SanitisedName("page.txt"), "file_page.txt");
  EXPECT_EQ(SanitisedName("PAGE.TXT"), "file_PAGE.TXT");
  EXPECT_EQ(SanitisedName("F_Promote.txt"), "file_F_Promote.txt");
  EXPECT_EQ(SanitisedName("f-promote.txt"), "file_f_promote.txt");
  EXPECT_EQ(SanitisedName("pages.txt"), "pages.txt");
  EXPECT_EQ(SanitisedName("f_promote2.txt"), "f_promote2.txt");
  EXPECT_EQ(SanitisedName("my_page.txt"), "my_page.txt");
}

TEST(ConvertedPageNameTest, CutsAtTheFirstTxtAndAddsLowerCaseHtm) {
  EXPECT_EQ(ConvertedPageName("notes.txt"), "notes.htm");
  EXPECT_EQ(ConvertedPageName("NOTES.TXT"), "NOTES.htm");
  EXPECT_EQ(ConvertedPageName("my_notes__2_.txt"), "my_notes__2_.htm");
  EXPECT_EQ(ConvertedPageName("file_page_1.txt"), "file_page_1.htm");
  EXPECT_EQ(ConvertedPageName("a.txt.txt"), "a.htm");
  EXPECT_EQ(ConvertedPageName("a b.txt"), "a b.htm");
  // Old names kept after a failed rename still stay clear of the run's
  // own pages.
  EXPECT_EQ(ConvertedPageName("page_3.txt"), "file_page_3.htm");
  EXPECT_EQ(ConvertedPageName("Page.txt"), "file_Page.htm");
  EXPECT_EQ(ConvertedPageName("F_PROMOTE.txt"), "file_F_PROMOTE.htm");
}

}  // namespace
}  // namespace docbase
