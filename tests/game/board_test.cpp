// Drawing cells, placing the Thing, the score and the openings grid.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes.h"

namespace gorbix {
namespace {

using ::testing::ElementsAre;
using testing::Rig;

const std::vector<std::string> kStraights = {
    "WGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGX",
};

TEST(AddScore, NeverBelowZeroAndAlwaysShown) {
  Rig rig;
  rig.game.StartLevel(1);
  rig.game.AddScore(-97);
  EXPECT_EQ(rig.game.Score(), 3);
  rig.clearRecords();
  rig.game.AddScore(-5);
  EXPECT_EQ(rig.game.Score(), 0);
  EXPECT_THAT(rig.view.events, ElementsAre("score 0"));
}

TEST(PlaceThing, FreshTileTurnsVisitedAndScoresOnce) {
  Rig rig;
  rig.game.StartLevel(1);
  rig.setBoard({"QEUGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGX"});
  rig.clearRecords();

  rig.game.PlaceThing(2, 1);
  EXPECT_EQ(rig.game.Board(2, 1), 'U');
  EXPECT_EQ(rig.game.Score(), 105);
  EXPECT_THAT(rig.view.events, ElementsAre("hide", "cell 2,1=U", "score 105", "move 2,1", "show"));

  rig.clearRecords();
  rig.game.PlaceThing(2, 1);
  rig.game.PlaceThing(3, 1);
  EXPECT_EQ(rig.game.Score(), 105);
  EXPECT_EQ(rig.game.Board(3, 1), 'U');
  EXPECT_THAT(rig.view.events, ElementsAre("hide", "move 2,1", "show", "hide", "move 3,1", "show"));
}

TEST(PlaceThing, BonusPaysItsValueAndLeavesAVisitedStraight) {
  const std::vector<std::pair<char, int>> bonuses = {{'M', 10}, {'N', 15}, {'O', 20}, {'P', 25}};
  for (const auto& [code, points] : bonuses) {
    Rig rig;
    rig.game.StartLevel(1);
    rig.setBoard(kStraights);
    rig.game.SetCell(code, 4, 4);
    rig.clearRecords();

    rig.game.PlaceThing(4, 4);
    EXPECT_EQ(rig.game.Score(), 100 + points) << code;
    EXPECT_EQ(rig.game.Board(4, 4), 'W') << "not its own visited form";
    EXPECT_TRUE(rig.game.BonusCollected());
    EXPECT_THAT(rig.view.events, ElementsAre("hide", "score " + std::to_string(100 + points), "cell 4,4=W",
                                             "move 4,4", "show"));
    rig.game.PlaceThing(4, 3);
    rig.game.PlaceThing(4, 4);
    EXPECT_EQ(rig.game.Score(), 100 + points + 5) << "only the fresh neighbour scores again";
  }
}

TEST(PlaceThing, StartOfLevelScoresNothing) {
  Rig rig;
  rig.game.StartLevel(7);
  EXPECT_EQ(rig.game.Score(), 100);
  EXPECT_EQ(rig.game.ThingCol(), 1);
  EXPECT_EQ(rig.game.ThingRow(), 1);
  EXPECT_FALSE(IsFresh(rig.game.Board(1, 1)));
}

TEST(StartLevel, ShowsLevelScoreAndSelectsItsLineBeforeDealing) {
  Rig rig;
  rig.game.StartLevel(7);
  ASSERT_GE(rig.view.events.size(), 3u + 48u + 3u);
  EXPECT_EQ(rig.view.events[0], "level 7");
  EXPECT_EQ(rig.view.events[1], "score 100");
  EXPECT_EQ(rig.view.events[2], "select 6");
  EXPECT_EQ(rig.view.events[3], std::string("cell 1,1=") + rig.game.Board(1, 1));
  EXPECT_EQ(rig.view.events.back(), "show");
  EXPECT_EQ(rig.view.events[rig.view.events.size() - 2], "move 1,1");

  rig.game.StartLevel(25);
  EXPECT_EQ(rig.view.selectedLine, 24);
  EXPECT_EQ(rig.game.CurrentLevel(), 25);
}

TEST(StartLevel, RestartDealsAfreshAndKeepsTheBestScore) {
  Rig rig;
  rig.game.setBestScores({0, 0, 130});
  rig.random = testing::ScriptedRandom({}, 0.3f);
  rig.game.StartLevel(3);
  const BoardGrid first = rig.game.board();
  rig.game.AddScore(-40);
  rig.random = testing::ScriptedRandom({}, 0.7f);
  rig.game.StartLevel(3);
  EXPECT_NE(rig.game.board(), first);
  EXPECT_EQ(rig.game.Score(), 100);
  EXPECT_EQ(rig.game.BestScore()[2], 130);
}

TEST(StartLevel, LevelOutsideTheRangeIsACallerFault) {
  Rig rig;
#ifdef NDEBUG
  rig.game.StartLevel(0);
  EXPECT_EQ(rig.game.CurrentLevel(), 1);
  rig.game.StartLevel(26);
  EXPECT_EQ(rig.game.CurrentLevel(), 1);
  EXPECT_EQ(rig.view.selectedLine, 0);
#else
  EXPECT_DEATH(rig.game.StartLevel(26), "level");
#endif
}

TEST(ComputeOpenings, StraightsAndTheHole) {
  Rig rig;
  rig.setBoard(kStraights);
  rig.game.SetCell('K', 2, 2);
  rig.game.SetCell('[', 3, 2);
  rig.game.SetCell('L', 4, 2);
  rig.game.SetCell('\\', 5, 2);
  rig.game.ComputeOpenings();
  const OpeningsGrid& openings = rig.game.Openings();
  EXPECT_EQ(openings(1, 1).str(), "lr");
  EXPECT_EQ(openings(8, 6).str(), "x");
  EXPECT_EQ(openings(2, 2).str(), "dr");
  EXPECT_EQ(openings(3, 2).str(), "dr");
  EXPECT_EQ(openings(4, 2).str(), "dl");
  EXPECT_EQ(openings(5, 2).str(), "dl");
  EXPECT_TRUE(rig.trap.reports.empty());
}

TEST(ComputeOpenings, CodeOutsideTheTableIsTrappedAndKeepsItsEntry) {
  Rig rig;
  rig.setBoard(kStraights);
  rig.game.ComputeOpenings();
  rig.game.SetCell('a', 3, 3);
  rig.game.SetCell('F', 4, 3);
  rig.game.ComputeOpenings();
  ASSERT_EQ(rig.trap.reports.size(), 1u);
  EXPECT_EQ(rig.trap.reports[0].where, "STP");
  EXPECT_EQ(rig.trap.reports[0].detail, "a");
  EXPECT_TRUE(rig.trap.reports[0].endProgram);
  EXPECT_EQ(rig.game.Openings()(3, 3).str(), "lr");
  EXPECT_EQ(rig.game.Openings()(4, 3).str(), "ud") << "the sweep goes on past the bad cell";
}

}  // namespace
}  // namespace gorbix
