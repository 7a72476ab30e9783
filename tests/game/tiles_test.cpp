#include "game/tiles.h"

#include <gtest/gtest.h>

#include <iterator>

#include "fakes.h"

namespace gorbix {
namespace {

TEST(CellIndex, CornersAndRoundTrip) {
  EXPECT_EQ(IndexToCell(0), (Cell{1, 1}));
  EXPECT_EQ(IndexToCell(7), (Cell{8, 1}));
  EXPECT_EQ(IndexToCell(8), (Cell{1, 2}));
  EXPECT_EQ(IndexToCell(47), (Cell{8, 6}));
  for (int index = 0; index < kCells; ++index) {
    const Cell cell = IndexToCell(index);
    EXPECT_TRUE(OnBoard(cell.col, cell.row));
    EXPECT_EQ(CellToIndex(cell.col, cell.row), index);
  }
}

TEST(LetterToStripCell, CodesInReadingOrder) {
  EXPECT_EQ(LetterToStripCell('A'), (StripCell{1, 1}));
  EXPECT_EQ(LetterToStripCell('H'), (StripCell{8, 1}));
  EXPECT_EQ(LetterToStripCell('I'), (StripCell{1, 2}));
  EXPECT_EQ(LetterToStripCell('P'), (StripCell{8, 2}));
  EXPECT_EQ(LetterToStripCell('Q'), (StripCell{1, 3}));
  EXPECT_EQ(LetterToStripCell('X'), (StripCell{8, 3}));
  EXPECT_EQ(LetterToStripCell('Y'), (StripCell{1, 4}));
  EXPECT_EQ(LetterToStripCell('\\'), (StripCell{4, 4}));
  EXPECT_EQ(LetterToStripCell('`'), (StripCell{8, 4}));
}

// Every code of the table, written out by hand rather than derived from the
// table itself, so that two swapped entries cannot agree with each other.
// `stoodOn` is what the cell shows once the Thing has stood on it; '-' for
// the blocker and the hole, which it never stands on.
TEST(TileTable, AllThirtyTwoCodes) {
  struct Row {
    char code;
    std::string_view openings;
    int points;
    char stoodOn;
  };
  const Row rows[] = {
      {'A', "udlr", 5, 'Q'}, {'B', "udr", 5, 'R'}, {'C', "udl", 5, 'S'},  {'D', "ulr", 5, 'T'},
      {'E', "dlr", 5, 'U'},  {'F', "ud", 5, 'V'},  {'G', "lr", 5, 'W'},   {'H', "x", 0, '-'},
      {'I', "ur", 5, 'Y'},   {'J', "ul", 5, 'Z'},  {'K', "dr", 5, '['},   {'L', "dl", 5, '\\'},
      {'M', "lr", 10, 'W'},  {'N', "lr", 15, 'W'}, {'O', "lr", 20, 'W'},  {'P', "lr", 25, 'W'},
      {'Q', "udlr", 0, 'Q'}, {'R', "udr", 0, 'R'}, {'S', "udl", 0, 'S'},  {'T', "ulr", 0, 'T'},
      {'U', "dlr", 0, 'U'},  {'V', "ud", 0, 'V'},  {'W', "lr", 0, 'W'},   {'X', "x", 0, '-'},
      {'Y', "ur", 0, 'Y'},   {'Z', "ul", 0, 'Z'},  {'[', "dr", 0, '['},   {'\\', "dl", 0, '\\'},
      {']', "lr", 0, ']'},   {'^', "lr", 0, '^'},  {'_', "lr", 0, '_'},   {'`', "lr", 0, '`'},
  };
  static_assert(std::size(rows) == 32);
  for (const Row& row : rows) {
    EXPECT_TRUE(IsTileCode(row.code)) << row.code;
    EXPECT_EQ(TileOpenings(row.code), row.openings) << row.code;
    EXPECT_EQ(TilePoints(row.code), row.points) << row.code;
    EXPECT_EQ(IsFresh(row.code), row.code <= 'P') << row.code;
    EXPECT_EQ(IsBonus(row.code), row.points > 5) << row.code;
    if (row.stoodOn == '-') continue;
    testing::Rig rig;
    rig.game.StartLevel(1);
    rig.game.SetCell(row.code, 4, 4);
    const int before = rig.game.Score();
    rig.game.PlaceThing(4, 4);
    EXPECT_EQ(rig.game.Board(4, 4), row.stoodOn) << row.code;
    EXPECT_EQ(rig.game.Score() - before, row.points) << row.code;
  }
  for (const char outside : {'@', 'a', '\0', '\x7f'}) {
    EXPECT_FALSE(IsTileCode(outside)) << int{outside};
    EXPECT_EQ(TileOpenings(outside), "") << int{outside};
    EXPECT_EQ(TilePoints(outside), 0) << int{outside};
  }
}

}  // namespace
}  // namespace gorbix
