// Board numbers: the pinned boards, the number each level start draws, and
// playing a board by its number.
#include "game/board_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "chi_square.h"
#include "fakes.h"

namespace gorbix {
namespace {

using testing::Rig;
using testing::ScriptedRandom;
using testing::chiSquare;

// The 48 codes in image-index order (rows top to bottom, each left to right).
std::string codes(const Game& game) {
  std::string text;
  for (int i = 0; i < kCells; ++i) text.push_back(game.board().atIndex(i));
  return text;
}

std::string boardOf(std::int16_t level, std::int32_t number) {
  Rig rig;
  rig.game.StartLevel(level);
  EXPECT_TRUE(rig.game.playBoard(number));
  return codes(rig.game);
}

// These boards are what players share and replay: they must never change.
// A failure here means the deal or its generator has changed, not the test.
TEST(BoardNumber, PinnedBoardsNeverChange) {
  struct Pinned {
    std::int16_t level;
    std::int32_t number;
    const char* codes;
  };
  const Pinned pinned[] = {
      {1, 1, "RBAAIAMFGADBLAFBIXBBAGNBFABKBEAAABPKGHBBAFBJJAAO"},
      {1, 2147483647, "QDNFLABBBAAFAAABBBAAIKELOHEBCXPBLBBMAEAJFABEABBL"},
      {7, 20261207, "QMLECKBOCBBCADHEEGEBAXBBAABAFACAABDFAIHEBLLBPNCC"},
      {13, 424242, "REAGDGBFBLBAOJEFFANAIIKGIMDHDPJACKXBAEIDKEBAFHHB"},
      {19, 1000000007, "]JDEFDILLKKBIJIHBHBDGEJBPFCHCLKCJXLFIAHAFFAANIDO"},
      {25, 123456789, "]GHDKKGHCDIDDJGGHBGOICPIJHCLHGFHCCAKNJXDCLEKFLIJ"},
      {25, 2, "[MGDHDHFIHNDIFIGACFPJHFEKIFFELELOJFFJCXHJKIJHBEE"},
  };
  for (const Pinned& p : pinned) {
    EXPECT_EQ(boardOf(p.level, p.number), p.codes) << "level " << p.level << ", board " << p.number;
  }
}

TEST(BoardNumber, DrawnFromTwoDrawsAndEveryNumberCanComeUp) {
  const float justBelowOne = std::nextafter(1.0f, 0.0f);
  struct Case {
    float high;
    float low;
    std::int32_t number;
  };
  const Case cases[] = {
      {0.0f, 1.0f / 128, 1},                               // the first number
      {0.0f, 2.0f / 128, 2},
      {0x1.0p-24f, 0.0f, 128},                             // the first draw's lowest bit
      {0.5f, 0.0f, 1 << 30},
      {justBelowOne, justBelowOne, kLastBoardNumber},      // the last number
      {justBelowOne, 126.0f / 128, kLastBoardNumber - 1},
      {0.0f, 0.0f, kLastBoardNumber},                      // no board 0
      {1.0f, 1.0f, kLastBoardNumber},                      // a faulty source stays in range
      {-0.25f, std::numeric_limits<float>::quiet_NaN(), kLastBoardNumber},
  };
  for (const Case& c : cases) {
    ScriptedRandom random({c.high, c.low});
    EXPECT_EQ(DrawBoardNumber(random), c.number) << c.high << ", " << c.low;
    EXPECT_EQ(random.drawn, 2);
  }
}

TEST(BoardNumber, LevelStartDrawsTheNumberThenDealsThatBoard) {
  Rig rig;
  rig.random = ScriptedRandom({0.25f, 0.5f, 0.75f, 0.125f});
  rig.game.StartLevel(9);
  EXPECT_EQ(rig.game.boardNumber(), (1 << 29) + 64);
  EXPECT_EQ(rig.random.drawn, 2) << "the deal draws from the board's own generator";
  EXPECT_EQ(codes(rig.game), boardOf(9, (1 << 29) + 64));

  rig.game.StartLevel(9);  // a restart deals the next number the run draws
  EXPECT_EQ(rig.game.boardNumber(), (3 << 29) + 16);
  EXPECT_EQ(codes(rig.game), boardOf(9, (3 << 29) + 16));
}

TEST(PlayBoard, StartsTheLevelAfreshOnThatBoard) {
  Rig rig;
  rig.game.StartLevel(12);
  rig.setBoard({"WGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGX"});
  rig.game.AddScore(-35);
  rig.game.SendThing(CellToIndex(6, 1));
  rig.game.tmrMoveThing_Timer();
  ASSERT_TRUE(rig.game.walkTimerEnabled());
  ASSERT_EQ(rig.game.ThingCol(), 2);
  rig.clearRecords();

  ASSERT_TRUE(rig.game.playBoard(4242));
  EXPECT_EQ(rig.game.CurrentLevel(), 12);
  EXPECT_EQ(rig.game.boardNumber(), 4242);
  EXPECT_EQ(rig.game.Score(), 100);
  EXPECT_EQ(rig.game.ThingCol(), 1);
  EXPECT_EQ(rig.game.ThingRow(), 1);
  EXPECT_FALSE(rig.game.walkTimerEnabled());
  EXPECT_EQ(rig.game.ThingPath(), "");
  EXPECT_EQ(codes(rig.game), boardOf(12, 4242));
  EXPECT_EQ(rig.view.events.front(), "level 12") << "shown as any level start is";
  EXPECT_EQ(rig.view.selectedLine, 11);
  EXPECT_EQ(rig.random.drawn, 2) << "only the first start drew a number from the run's source";
}

TEST(PlayBoard, ANumberOutOfRangeChangesNothing) {
  for (std::int32_t bad : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
    Rig rig;
    rig.game.StartLevel(3);
    rig.game.AddScore(-20);
    const std::string before = codes(rig.game);
    const std::int32_t number = rig.game.boardNumber();
    rig.clearRecords();
    EXPECT_FALSE(rig.game.playBoard(bad)) << bad;
    EXPECT_EQ(codes(rig.game), before);
    EXPECT_EQ(rig.game.boardNumber(), number);
    EXPECT_EQ(rig.game.Score(), 80);
    EXPECT_TRUE(rig.view.events.empty());
  }
}

// Neighbouring numbers are what players try first: their boards must be as
// unrelated as random ones.
TEST(BoardRandom, ConsecutiveNumbersDealUnrelatedBoards) {
  Rig rig;
  rig.view.recordCells = false;
  std::vector<long> hole(kCells - 1, 0);
  std::vector<long> firstDraws(16, 0);
  for (std::int32_t number = 1; number <= 9400; ++number) {
    rig.game.StartLevel(static_cast<std::int16_t>(number % kLevels + 1));
    rig.game.playBoard(number);
    for (int index = 1; index < kCells; ++index) hole[static_cast<std::size_t>(index - 1)] += rig.game.board().atIndex(index) == kHole;
    BoardRandom random(number);
    ++firstDraws[static_cast<std::size_t>(random.next() * 16)];
  }
  EXPECT_LT(chiSquare(hole), 81.4);        // 46 degrees of freedom, 99.9th percentile
  EXPECT_LT(chiSquare(firstDraws), 37.7);  // 15 degrees of freedom, 99.9th percentile
}

}  // namespace
}  // namespace gorbix
