// The bag, the dealing, the start tile and the randomness of new boards.
#include "game/level_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "chi_square.h"
#include "fakes.h"

namespace gorbix {
namespace {

using testing::Rig;
using testing::ScriptedRandom;
using testing::chiSquare;

// The draw that picks 1-based position `pos` of a bag of `n` codes.
float pick(int pos, int n) { return (static_cast<float>(pos) - 0.5f) / static_cast<float>(n); }

// Fresh code of a cell; a visited form counts as its fresh tile.
char freshOf(char code) { return (code >= 'Q' && code != 'X') ? static_cast<char>(code - kVisitedOffset) : code; }

std::map<char, int> boardCounts(const Game& game) {
  std::map<char, int> counts;
  for (char code : game.board()) ++counts[freshOf(code)];
  return counts;
}

TEST(LevelCounts, MatchTheTableForEveryLevel) {
  // level: A, H, B, random
  const std::map<int, std::array<int, 4>> table = {
      {1, {13, 1, 13, 16}}, {2, {12, 1, 12, 18}},  {4, {11, 1, 11, 20}},  {5, {11, 2, 11, 19}},
      {10, {8, 3, 8, 24}},  {13, {7, 3, 7, 26}},   {14, {6, 3, 6, 28}},   {15, {6, 4, 6, 27}},
      {19, {4, 4, 4, 31}},  {20, {3, 5, 3, 32}},   {24, {1, 5, 1, 36}},   {25, {1, 6, 1, 35}},
  };
  for (const auto& [level, expected] : table) {
    const LevelCounts c = CountsForLevel(static_cast<std::int16_t>(level));
    EXPECT_EQ((std::array<int, 4>{c.crosses, c.blockers, c.tees, c.random}), expected) << "level " << level;
  }
  for (int level = 1; level <= kLevels; ++level) {
    const LevelCounts c = CountsForLevel(static_cast<std::int16_t>(level));
    EXPECT_EQ(c.crosses + c.blockers + 5 + c.tees + c.random, kCells);
  }
}

TEST(BuildBag, FixedPartInOrderThenDrawnPieces) {
  ScriptedRandom random({}, pick(9, 9));  // every piece "L", the last of the pool
  EXPECT_EQ(BuildBag(1, random), std::string(13, 'A') + "HXMNOP" + std::string(13, 'B') + std::string(16, 'L'));
  EXPECT_EQ(random.drawn, 16);

  ScriptedRandom first({}, 0.0f);  // every piece "C"
  EXPECT_EQ(BuildBag(25, first), "A" + std::string(6, 'H') + "XMNOP" + "B" + std::string(35, 'C'));
}

TEST(DrawPosition, StaysInsideTheBag) {
  EXPECT_EQ(DrawPosition(0.0f, 48), 1);
  EXPECT_EQ(DrawPosition(std::nextafter(1.0f, 0.0f), 48), 48);
  EXPECT_EQ(DrawPosition(std::nextafter(1.0f, 0.0f), 9), 9);
  EXPECT_EQ(DrawPosition(1.0f, 9), 9) << "a faulty source must not read past the bag";
  EXPECT_EQ(DrawPosition(-0.5f, 9), 1);
}

// Level 1 with the given first dealing draw; the 16 pieces are all "G".
Rig& dealLevel1(Rig& rig, float firstDeal) {
  for (int i = 0; i < 16; ++i) rig.random.push(pick(5, 9));
  rig.random.push(firstDeal);
  rig.game.MakeLevel(1);
  return rig;
}

TEST(StartTile, BonusDrawnOnLevel1GivesTheFirstTee) {
  Rig rig;
  dealLevel1(rig, pick(16, 48));  // "M"
  EXPECT_EQ(rig.game.Board(1, 1), 'R');
  const auto counts = boardCounts(rig.game);
  for (char bonus : {'M', 'N', 'O', 'P'}) EXPECT_EQ(counts.at(bonus), 1) << bonus;
  EXPECT_EQ(counts.at('B'), 13);
}

TEST(StartTile, HoleDrawnGivesTheFirstBonusAsAStraight) {
  Rig rig;
  dealLevel1(rig, pick(15, 48));  // "X"
  EXPECT_EQ(rig.game.Board(1, 1), ']');
  int bonusTens = 0;
  int holes = 0;
  for (char code : rig.game.board()) bonusTens += code == 'M', holes += code == kHole;
  EXPECT_EQ(bonusTens, 0) << "the 10 bonus became the start tile";
  EXPECT_EQ(holes, 1);
}

TEST(StartTile, BlockerDrawnBecomesADownRightCorner) {
  Rig rig;
  dealLevel1(rig, pick(14, 48));  // the one "H"
  EXPECT_EQ(rig.game.Board(1, 1), '[');
  EXPECT_EQ(boardCounts(rig.game).count('H'), 0u);
}

TEST(StartTile, OrdinaryTileIsDealtInItsVisitedForm) {
  Rig rig;
  dealLevel1(rig, pick(1, 48));  // "A"
  EXPECT_EQ(rig.game.Board(1, 1), 'Q');
  EXPECT_EQ(boardCounts(rig.game).at('A'), 13);
}

TEST(StartTile, Level25BonusesReachTheRandomPieces) {
  // Level 25: A, 6 x H, X M N O P (8..12), B (13), pieces from 14 on.
  const std::vector<std::pair<int, char>> cases = {{9, 'R'}, {10, 'Z'}, {11, 'V'}, {12, '['}};
  for (const auto& [drawn, expected] : cases) {
    Rig rig;
    // Pieces 1..3 are "J", "F", "K"; the rest "G".
    for (float u : {pick(7, 9), pick(4, 9), pick(8, 9)}) rig.random.push(u);
    for (int i = 3; i < 35; ++i) rig.random.push(pick(5, 9));
    rig.random.push(pick(drawn, 48));
    rig.game.MakeLevel(25);
    EXPECT_EQ(rig.game.Board(1, 1), expected) << "drew position " << drawn;
  }
}

TEST(StartTile, CornerDrawnDirectlyBecomesDownRight) {
  Rig rig;
  rig.random.push(pick(7, 9));  // first piece "J", at bag position 33 on level 1
  for (int i = 1; i < 16; ++i) rig.random.push(pick(5, 9));
  rig.random.push(pick(33, 48));
  rig.game.MakeLevel(1);
  EXPECT_EQ(rig.game.Board(1, 1), '[');
  const auto counts = boardCounts(rig.game);
  EXPECT_EQ(counts.count('J'), 0u);
  EXPECT_EQ(counts.at('K'), 1);
}

TEST(MakeLevel, DealsColumnByColumnAndUsesExactlyOneDrawPerCell) {
  Rig rig;
  rig.random = ScriptedRandom({}, 0.0f);  // always the first code left in the bag
  rig.game.MakeLevel(1);
  EXPECT_EQ(rig.random.drawn, 16 + 48);
  // Column 1 takes A (start, visited) then five more "A"s; column 3 starts with the 13th "A".
  EXPECT_EQ(rig.game.Board(1, 1), 'Q');
  EXPECT_EQ(rig.game.Board(1, 6), 'A');
  EXPECT_EQ(rig.game.Board(3, 1), 'A');
  EXPECT_EQ(rig.game.Board(3, 2), 'H');
  EXPECT_EQ(rig.game.Board(3, 3), 'X');
  EXPECT_EQ(rig.view.events.front(), "cell 1,1=Q");
  EXPECT_EQ(rig.view.events[1], "cell 1,2=A");
}

// Passes a seeded source's draws on and keeps them, so a bag can be rebuilt.
class RecordingRandom final : public RandomSource {
 public:
  explicit RecordingRandom(std::uint64_t seed) : source_(seed) {}
  float next() override {
    draws.push_back(source_.next());
    return draws.back();
  }
  std::vector<float> draws;

 private:
  SeededRandom source_;
};

TEST(MakeLevel, EveryLevelDealsItsBag) {
  RecordingRandom random(20261207);
  testing::RecordingView view;
  testing::ScriptedHost host;
  testing::RecordingTrap trap;
  Game game(view, host, random, trap);
  view.recordCells = false;
  const std::string allowedStarts = "QRSTUVWYZ[\\]";
  for (int round = 0; round < 40; ++round) {
    for (std::int16_t level = 1; level <= kLevels; ++level) {
      random.draws.clear();
      game.MakeLevel(level);
      ScriptedRandom replay(random.draws);
      std::map<char, int> expected;
      for (char code : BuildBag(level, replay)) ++expected[code];
      std::map<char, int> dealt = boardCounts(game);

      const char start = game.Board(1, 1);
      ASSERT_NE(allowedStarts.find(start), std::string::npos) << start;
      ASSERT_EQ(dealt.at(kHole), 1);
      if (start == '[' && dealt['K'] == expected['K'] + 1) {
        // A drawn "J" or "H" became the start corner.
        ASSERT_TRUE(dealt['J'] == expected['J'] - 1 || dealt['H'] == expected['H'] - 1);
        --dealt['K'];
        ++dealt[dealt['J'] == expected['J'] - 1 ? 'J' : 'H'];
      }
      std::erase_if(dealt, [](const auto& entry) { return entry.second == 0; });
      std::erase_if(expected, [](const auto& entry) { return entry.second == 0; });
      ASSERT_EQ(dealt, expected) << "level " << level;
    }
  }
}

TEST(RandomPieces, EveryPoolLetterEquallyLikelyAndNeighboursIndependent) {
  SeededRandom random(424242);
  std::vector<long> letters(9, 0);
  std::vector<long> pairs(81, 0);
  for (int round = 0; round < 4000; ++round) {
    const std::int16_t level = static_cast<std::int16_t>(round % kLevels + 1);
    const std::string bag = BuildBag(level, random);
    const std::size_t first = static_cast<std::size_t>(kCells - CountsForLevel(level).random);
    for (std::size_t i = first; i < bag.size(); ++i) {
      const auto letter = kPiecePool.find(bag[i]);
      ASSERT_NE(letter, std::string_view::npos);
      ++letters[letter];
      if (i > first) ++pairs[kPiecePool.find(bag[i - 1]) * 9 + letter];
    }
  }
  // 99.9th percentiles of chi-square with 8 and 80 degrees of freedom.
  EXPECT_LT(chiSquare(letters), 26.12);
  EXPECT_LT(chiSquare(pairs), 124.84);
  EXPECT_GT(letters[8], 0) << "the last letter of the pool must be reachable";
}

TEST(Dealing, HoleLandsOnEveryOtherCellEquallyOften) {
  SeededRandom random(777);
  testing::RecordingView view;
  view.recordCells = false;
  testing::ScriptedHost host;
  testing::RecordingTrap trap;
  Game game(view, host, random, trap);
  std::vector<long> where(kCells - 1, 0);
  for (int round = 0; round < 9400; ++round) {
    game.MakeLevel(static_cast<std::int16_t>(round % kLevels + 1));
    for (int index = 1; index < kCells; ++index) {
      const Cell cell = IndexToCell(index);
      if (game.Board(cell.col, cell.row) == kHole) ++where[static_cast<std::size_t>(index - 1)];
    }
  }
  EXPECT_LT(chiSquare(where), 81.4);  // 46 degrees of freedom, 99.9th percentile
}

}  // namespace
}  // namespace gorbix
