#include "game/tiles.h"

#include <gtest/gtest.h>

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

TEST(TileTable, VisitedFormsKeepTheTrackOfTheirFreshTile) {
  for (char fresh = 'A'; fresh <= 'P'; ++fresh) {
    if (fresh == kBlocker) continue;
    EXPECT_EQ(TileOpenings(static_cast<char>(fresh + kVisitedOffset)), TileOpenings(fresh)) << fresh;
  }
  EXPECT_EQ(TileOpenings('K'), "dr");
  EXPECT_EQ(TileOpenings('['), "dr");
  EXPECT_EQ(TileOpenings('L'), "dl");
  EXPECT_EQ(TileOpenings('\\'), "dl");
  EXPECT_EQ(TileOpenings('H'), "x");
  EXPECT_EQ(TileOpenings('X'), "x");
  EXPECT_EQ(TileOpenings('@'), "");
  EXPECT_EQ(TileOpenings('a'), "");
}

TEST(TileTable, PointsForFirstVisit) {
  EXPECT_EQ(TilePoints('A'), 5);
  EXPECT_EQ(TilePoints('L'), 5);
  EXPECT_EQ(TilePoints('H'), 0);
  EXPECT_EQ(TilePoints('M'), 10);
  EXPECT_EQ(TilePoints('N'), 15);
  EXPECT_EQ(TilePoints('O'), 20);
  EXPECT_EQ(TilePoints('P'), 25);
  EXPECT_EQ(TilePoints('Q'), 0);
  EXPECT_EQ(TilePoints('X'), 0);
}

}  // namespace
}  // namespace gorbix
