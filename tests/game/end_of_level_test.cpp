// Reaching the goal: the summary, the best scores and the four choices.
#include <gtest/gtest.h>

#include "fakes.h"

namespace gorbix {
namespace {

using testing::Rig;

// The Thing one step from the goal, on level `level`, with `slides` paid.
Rig& nearGoal(Rig& rig, std::int16_t level, int slides = 0) {
  rig.game.StartLevel(level);
  rig.setBoard({"WGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "XGGGGGWG"});
  rig.putThing(7, 6);
  rig.game.AddScore(-5 * slides);
  rig.clearRecords();
  return rig;
}

void stepOntoGoal(Rig& rig) {
  rig.game.SendThing(CellToIndex(8, 6));
  rig.runWalk();
}

TEST(CheckLevelEnd, NotOnTheGoalDoesNothing) {
  Rig rig;
  nearGoal(rig, 1);
  EXPECT_FALSE(rig.game.CheckLevelEnd());
  EXPECT_TRUE(rig.host.sounds.empty());
  EXPECT_TRUE(rig.host.summaries.empty());
}

TEST(CheckLevelEnd, FirstWinStoresTheBestAndUpdatesListAndRating) {
  Rig rig;
  nearGoal(rig, 3);
  rig.game.AddScore(5);
  stepOntoGoal(rig);  // 100 + 5 + 5 = 110
  ASSERT_EQ(rig.host.summaries.size(), 1u);
  const EndOfLevelSummary& s = rig.host.summaries[0];
  EXPECT_EQ(s.caption, "End of Level 3");
  EXPECT_EQ(s.scoreText, "110");
  EXPECT_EQ(s.rating, "Above Average");
  EXPECT_EQ(s.comment, "You beat your previous score for this level (0)!");
  EXPECT_EQ(rig.game.BestScore()[2], 110);
  EXPECT_EQ(rig.view.scoreLines[2], "Level  3     110");
  EXPECT_EQ(rig.view.rating, "Beginner Level 1");
  EXPECT_EQ(rig.game.lastEndChoice(), EndChoice::None);
  EXPECT_EQ(rig.game.ThingCol(), 8) << "no choice: the won level stays on the board";
}

// A new best is handed over for storing before the dialog opens, so a
// crash or a kill while it is open cannot lose it; anything else is not.
TEST(CheckLevelEnd, OnlyANewBestIsStoredAndBeforeTheDialog) {
  struct Case {
    std::int16_t best;
    int extra;  // points on top of the 100 + 5 + 5 the step onto the goal makes
    std::vector<std::string> stores;
  };
  for (const Case& c : {Case{0, 0, {"best 4"}}, Case{109, 0, {"best 4"}}, Case{110, 0, {}}, Case{500, 0, {}},
                        Case{110, 5, {"best 4"}}}) {
    Rig rig;
    BestScores best{};
    best[3] = c.best;
    rig.game.setBestScores(best);
    nearGoal(rig, 4);
    rig.game.AddScore(5 + c.extra);
    std::vector<std::string> storedBeforeDialog;
    rig.host.whileDialogOpen = [&] { storedBeforeDialog = rig.host.stores; };
    stepOntoGoal(rig);
    EXPECT_EQ(storedBeforeDialog, c.stores) << c.best << " " << c.extra;
    EXPECT_EQ(rig.host.stores, c.stores);
  }
}

TEST(CheckLevelEnd, EqualScoreStoresNothing) {
  Rig rig;
  rig.game.setBestScores({105});
  nearGoal(rig, 1);
  stepOntoGoal(rig);
  ASSERT_EQ(rig.host.summaries.size(), 1u);
  EXPECT_EQ(rig.host.summaries[0].comment, "You did not beat your previous score for this level (105)");
  EXPECT_EQ(rig.view.scoreLines[0], "") << "the list line is left alone";
  EXPECT_EQ(rig.view.rating, "Beginner Level 1") << "the rating label is set all the same";
}

TEST(CheckLevelEnd, SoundThenListLineThenRatingAllBeforeTheDialog) {
  Rig rig;
  nearGoal(rig, 3);
  std::vector<std::string> before;
  std::vector<SoundIndex> soundsBefore;
  rig.host.whileDialogOpen = [&] {
    before = rig.view.events;
    soundsBefore = rig.host.sounds;
  };
  stepOntoGoal(rig);
  ASSERT_GE(before.size(), 2u);
  EXPECT_EQ(before[before.size() - 2], "line 2");
  EXPECT_EQ(before.back(), "rating Beginner Level 1");
  EXPECT_EQ(soundsBefore, std::vector<SoundIndex>{SoundIndex::EndOfLevel}) << "no step sound on the goal";
}

TEST(CheckLevelEnd, BonusTakenOnTheGoalDoesNotSoundOnTheNextLevel) {
  Rig rig;
  nearGoal(rig, 5);
  rig.game.SetCell('P', 8, 6);
  rig.host.endChoices = {EndChoice::Again};
  stepOntoGoal(rig);
  ASSERT_EQ(rig.host.summaries.size(), 1u);
  EXPECT_EQ(rig.host.summaries[0].scoreText, "125");
  EXPECT_FALSE(rig.game.BonusCollected());

  rig.setBoard({"WGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "XGGGGGGG"});
  rig.putThing(1, 1);
  rig.host.sounds.clear();
  rig.game.SendThing(CellToIndex(2, 1));
  rig.runWalk();
  EXPECT_EQ(rig.host.sounds, std::vector<SoundIndex>{SoundIndex::MoveThing});
}

TEST(Scoring, FourSlidesThenSixNewTilesToTheGoal) {
  Rig rig;
  rig.prepared({"XAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AWGGGGGA"}, {2, 6});
  for (int i = 0; i < 2; ++i) {
    rig.game.SlideTile(CellToIndex(2, 1));
    rig.game.SlideTile(CellToIndex(1, 1));
  }
  EXPECT_EQ(rig.game.Score(), 80);
  // Five straights and the goal: six tiles visited for the first time.
  rig.game.SendThing(CellToIndex(8, 6));
  rig.runWalk();
  ASSERT_EQ(rig.host.summaries.size(), 1u);
  EXPECT_EQ(rig.host.summaries[0].scoreText, "110");
  EXPECT_EQ(rig.host.summaries[0].rating, "Above Average");
}

TEST(CheckLevelEnd, NextAgainAndTheLastLevel) {
  Rig rig;
  nearGoal(rig, 24);
  rig.host.endChoices = {EndChoice::Next};
  stepOntoGoal(rig);
  EXPECT_EQ(rig.game.CurrentLevel(), 25);
  EXPECT_EQ(rig.game.Score(), 100);

  nearGoal(rig, 25, 2);
  rig.host.endChoices = {EndChoice::Again};
  stepOntoGoal(rig);
  EXPECT_FALSE(rig.host.summaries.back().nextEnabled);
  EXPECT_EQ(rig.game.CurrentLevel(), 25);
  EXPECT_EQ(rig.game.Score(), 100);
  EXPECT_EQ(rig.game.ThingCol(), 1);

  nearGoal(rig, 25);
  rig.host.endChoices = {EndChoice::Jump};
  rig.host.jumpChoices = {2};
  stepOntoGoal(rig);
  EXPECT_EQ(rig.game.CurrentLevel(), 2);
}

TEST(CheckLevelEnd, QuitShutsDownOnTheLevelJustWon) {
  Rig rig;
  nearGoal(rig, 25);
  rig.host.endChoices = {EndChoice::Quit};
  stepOntoGoal(rig);
  EXPECT_EQ(rig.host.quits, 1);
  EXPECT_EQ(rig.game.CurrentLevel(), 25) << "the level saved is the one just won";
  EXPECT_EQ(rig.game.BestScore()[24], 105);
}

TEST(CheckLevelEnd, JumpStartsTheChosenLevelOrKeepsTheWonBoard) {
  Rig rig;
  nearGoal(rig, 4);
  rig.host.endChoices = {EndChoice::Jump};
  rig.host.jumpChoices = {17};
  stepOntoGoal(rig);
  EXPECT_EQ(rig.host.jumpWindowLevels, std::vector<std::int16_t>{4});
  EXPECT_EQ(rig.game.CurrentLevel(), 17);
  EXPECT_EQ(rig.game.JumpLevel(), 17);

  nearGoal(rig, 4);
  rig.host.endChoices = {EndChoice::Jump};
  rig.host.jumpChoices = {0};
  stepOntoGoal(rig);
  EXPECT_EQ(rig.game.CurrentLevel(), 4);
  EXPECT_EQ(rig.game.JumpLevel(), 0);
  EXPECT_EQ(rig.game.ThingCol(), 8);
}

TEST(CheckLevelEnd, ClosedWithoutChoiceThenTheNextShiftEndsItAgain) {
  Rig rig;
  rig.game.StartLevel(2);
  rig.setBoard({"WGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGX", "GGGGGGGW"});
  rig.putThing(8, 6);
  ASSERT_TRUE(rig.game.CheckLevelEnd());
  // A slide in another row leaves the Thing on the goal, so its first shift ends the level again.
  rig.game.SlideTile(CellToIndex(1, 5));
  ASSERT_EQ(rig.host.summaries.size(), 2u);
  EXPECT_EQ(rig.host.summaries[1].scoreText, "95");
  EXPECT_EQ(rig.host.count(SoundIndex::MoveTile), 0);
}

TEST(RunJumpCommand, CancelStartsNothing) {
  Rig rig;
  rig.game.StartLevel(6);
  rig.host.jumpChoices = {0};
  const BoardGrid before = rig.game.board();
  rig.game.RunJumpCommand();
  EXPECT_EQ(rig.game.CurrentLevel(), 6);
  EXPECT_EQ(rig.game.board(), before);
  rig.host.jumpChoices = {6};
  rig.game.AddScore(-30);
  rig.game.RunJumpCommand();
  EXPECT_EQ(rig.game.Score(), 100) << "choosing the current level starts it afresh";
}

TEST(ResetAllScores, ZeroesEveryLineAndTheRating) {
  Rig rig;
  BestScores best;
  best.fill(300);
  rig.game.setBestScores(best);
  rig.game.ResetAllScores();
  for (int line = 0; line < kLevels; ++line) {
    EXPECT_EQ(rig.view.scoreLines[static_cast<std::size_t>(line)], ScoreLine(static_cast<std::int16_t>(line + 1), 0));
    EXPECT_EQ(rig.game.BestScore()[static_cast<std::size_t>(line)], 0);
  }
  EXPECT_EQ(rig.view.rating, "Beginner Level 1");
  EXPECT_EQ(rig.host.stores, std::vector<std::string>{"reset"});
}

}  // namespace
}  // namespace gorbix
