// Reading positions and writing lines, as gorbix-solve does.
#include <gtest/gtest.h>

#include "solver/position_text.h"

namespace gorbix::solver {
namespace {

const std::string kCells = "QGGGGGGLFHHHHHHFFHHHHHHFFHHHHHHFFHHHHHHFIGGGGGGX";

TEST(ParsePosition, DefaultsToTheStartCellAndScore100) {
  const ParsedPosition parsed = parsePosition(kCells);
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.position.thing, 0);
  EXPECT_EQ(parsed.position.hole, 47);
  EXPECT_EQ(parsed.position.score, 100);
  EXPECT_EQ(std::string(parsed.position.cells.data(), 48), kCells);
}

TEST(ParsePosition, ReadsTheThingAndScoreAndToleratesBlanksAndCarriageReturn) {
  const ParsedPosition parsed = parsePosition("  " + kCells + "\t8  2 0\r");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.position.thing, CellToIndex(8, 2));
  EXPECT_EQ(parsed.position.score, 0);
  EXPECT_EQ(parsePosition(positionText(parsed.position)).position, parsed.position);
}

TEST(ParsePosition, EveryCodeFromAToTheGraveAccentIsATile) {
  std::string cells(48, 'Q');
  cells[47] = 'X';
  for (char c = 'A'; c <= '`'; ++c) {
    if (c == 'X') continue;
    cells[5] = c;
    EXPECT_TRUE(parsePosition(cells + " 1 1").ok) << c;
  }
}

struct BadLine {
  std::string text;
  std::string error;
};

TEST(ParsePosition, BadLinesSayWhichFieldAndWhatWasExpected) {
  std::string twoHoles = kCells;
  twoHoles[3] = 'X';
  std::string noHole = kCells;
  noHole[47] = 'G';
  std::string lowerCase = kCells;
  lowerCase[9] = 'h';
  std::string brace = kCells;
  brace[0] = '{';
  std::string control = kCells;
  control[1] = '\x01';
  const BadLine table[] = {
      {"", "empty line: expected CELLS [COL ROW [SCORE]]"},
      {" \t\r", "empty line: expected CELLS [COL ROW [SCORE]]"},
      {kCells.substr(0, 47), "CELLS: expected 48 tile codes, got 47 characters"},
      {kCells + "Q", "CELLS: expected 48 tile codes, got 49 characters"},
      {lowerCase, "CELLS: code 10 is \"h\", expected a tile code from A to ` (X for the hole)"},
      {brace, "CELLS: code 1 is \"{\", expected a tile code from A to ` (X for the hole)"},
      {control, "CELLS: code 2 is \"\\x01\", expected a tile code from A to ` (X for the hole)"},
      {twoHoles, "CELLS: expected exactly one X (the hole), got 2"},
      {noHole, "CELLS: expected exactly one X (the hole), got 0"},
      {kCells + " 3", "ROW: missing, expected a row from 1 to 6 after the column"},
      {kCells + " 0 1", "COL: expected a column from 1 to 8, got \"0\""},
      {kCells + " 9 1", "COL: expected a column from 1 to 8, got \"9\""},
      {kCells + " x 1", "COL: expected a column from 1 to 8, got \"x\""},
      {kCells + " 1 7", "ROW: expected a row from 1 to 6, got \"7\""},
      {kCells + " 1 1.5", "ROW: expected a row from 1 to 6, got \"1.5\""},
      {kCells + " 1 +1", "ROW: expected a row from 1 to 6, got \"+1\""},
      {kCells + " 1 1 -1", "SCORE: expected a score from 0 to 32767, got \"-1\""},
      {kCells + " 1 1 32768", "SCORE: expected a score from 0 to 32767, got \"32768\""},
      {kCells + " 1 1 99999999999999999999999", "SCORE: expected a score from 0 to 32767, got \"99999999999999999999...\""},
      {kCells + " 1 1 100 5", "too many fields: expected CELLS [COL ROW [SCORE]], got 5 fields"},
      {kCells + " 8 6", "COL ROW: the Thing cannot stand on the hole"},
      {kCells + " 2 2", "COL ROW: the Thing cannot stand on a blocker (H)"},
  };
  for (const BadLine& bad : table) {
    const ParsedPosition parsed = parsePosition(bad.text);
    EXPECT_FALSE(parsed.ok) << bad.text;
    EXPECT_EQ(parsed.error, bad.error) << bad.text;
  }
}

TEST(LineText, ScoreThenClicksSeparatedBySingleSpaces) {
  EXPECT_EQ(lineText({{{9, true}, {17, false}, {16, false}, {47, true}}, 245}), "245 R9 L17 L16 R47");
  EXPECT_EQ(lineText({{}, 100}), "100");
}

}  // namespace
}  // namespace gorbix::solver
