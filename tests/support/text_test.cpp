#include "support/text.h"
#include "support/translatable.h"

#include <gtest/gtest.h>

namespace gorbix {
namespace {

TEST(IntStr, NoBlankNoPlusAtTheLimits) {
  EXPECT_EQ(IntStr(0), "0");
  EXPECT_EQ(IntStr(25), "25");
  EXPECT_EQ(IntStr(-5), "-5");
  EXPECT_EQ(IntStr(-32768), "-32768");
  EXPECT_EQ(IntStr(32767), "32767");
}

TEST(NextField, TakesBlankSeparatedFieldsInTurn) {
  std::string text = "1200 900 9000 6600";
  EXPECT_EQ(NextField(" ", text), "1200");
  EXPECT_EQ(text, "900 9000 6600");
  EXPECT_EQ(NextField(" ", text), "900");
  EXPECT_EQ(NextField(" ", text), "9000");
  EXPECT_EQ(NextField(" ", text), "6600");
  EXPECT_EQ(text, "");
  EXPECT_EQ(NextField(" ", text), "");
  EXPECT_EQ(text, "");
}

TEST(NextField, TrailingSeparatorLeavesEmptyText) {
  std::string text = "abc ";
  EXPECT_EQ(NextField(" ", text), "abc");
  EXPECT_EQ(text, "");
}

TEST(NextField, MultiCharacterSeparatorAndCaseCounts) {
  std::string text = "aXbxc";
  EXPECT_EQ(NextField("x", text), "aXb");
  EXPECT_EQ(text, "c");
  text = "1, 2";
  EXPECT_EQ(NextField(", ", text), "1");
  EXPECT_EQ(text, "2");
}

TEST(NextIntField, EmptyFieldGivesDefault) {
  std::string text;
  EXPECT_EQ(NextIntField(" ", text, 7), 7);
  text = "  200";  // two blanks: the middle field is empty
  EXPECT_EQ(NextIntField(" ", text, 3), 3);
}

TEST(NextIntField, RoundsHalfToEven) {
  std::string text = "12.5 13.5 -2.5 -3.5 0.5 1.5 2.49";
  EXPECT_EQ(NextIntField(" ", text, 0), 12);
  EXPECT_EQ(NextIntField(" ", text, 0), 14);
  EXPECT_EQ(NextIntField(" ", text, 0), -2);
  EXPECT_EQ(NextIntField(" ", text, 0), -4);
  EXPECT_EQ(NextIntField(" ", text, 0), 0);
  EXPECT_EQ(NextIntField(" ", text, 0), 2);
  EXPECT_EQ(NextIntField(" ", text, 0), 2);
}

TEST(NextIntField, ReadsTheLeadingNumberOnly) {
  std::string text = "12abc,abc,-7x,+4,.5,1e2,3e,-";
  EXPECT_EQ(NextIntField(",", text, 9), 12);
  EXPECT_EQ(NextIntField(",", text, 9), 0);
  EXPECT_EQ(NextIntField(",", text, 9), -7);
  EXPECT_EQ(NextIntField(",", text, 9), 4);
  EXPECT_EQ(NextIntField(",", text, 9), 0);  // 0.5 rounds to even 0
  EXPECT_EQ(NextIntField(",", text, 9), 100);
  EXPECT_EQ(NextIntField(",", text, 9), 3);
  EXPECT_EQ(NextIntField(",", text, 9), 0);
}

TEST(NextIntField, OutOfRangeGivesDefaultInsteadOfWrapping) {
  std::string text = "32767 32768 -32768 -32769 99999999999999999999 1e400";
  EXPECT_EQ(NextIntField(" ", text, 5), 32767);
  EXPECT_EQ(NextIntField(" ", text, 5), 5);
  EXPECT_EQ(NextIntField(" ", text, 5), -32768);
  EXPECT_EQ(NextIntField(" ", text, 5), 5);
  EXPECT_EQ(NextIntField(" ", text, 5), 5);
  EXPECT_EQ(NextIntField(" ", text, 5), 5);
}

TEST(DeleteChars, RemovesFromPositionAndIgnoresBadPositions) {
  EXPECT_EQ(DeleteChars("abcdef", 1, 1), "bcdef");
  EXPECT_EQ(DeleteChars("abcdef", 3, 2), "abef");
  EXPECT_EQ(DeleteChars("abcdef", 6, 1), "abcde");
  EXPECT_EQ(DeleteChars("abcdef", 5, 10), "abcd");
  EXPECT_EQ(DeleteChars("abcdef", 0, 1), "abcdef");
  EXPECT_EQ(DeleteChars("abcdef", 7, 1), "abcdef");
  EXPECT_EQ(DeleteChars("abcdef", 2, 0), "abcdef");
  EXPECT_EQ(DeleteChars("", 1, 1), "");
}

}  // namespace
}  // namespace gorbix

// Filled in as QString::arg fills: the lowest placeholder left, every time
// it stands, and never a placeholder that a value brought in.
TEST(LocalText, ArgFillsTheLowestPlaceholderLeft) {
  EXPECT_EQ(gorbix::LocalText("T", "%2 of %1, %1").arg("a").arg("b").str(), "b of a, a");
  EXPECT_EQ(gorbix::LocalText("T", "%1 and %2").arg("%1").str(), "%1 and %2");
  EXPECT_EQ(gorbix::LocalText("T", "100 %").arg("x").str(), "100 %");
}
