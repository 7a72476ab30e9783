// Right clicks: sending the Thing, the walk on the timer, its sounds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes.h"

namespace gorbix {
namespace {

using testing::Rig;

const std::vector<std::string> kTopRow = {"WGGGGMGG", "HHHHHHHF", "HHHHHHHF", "HHHHHHHF", "HHHHHHHF", "XHHHHHHV"};

TEST(SendThing, HoleIsRefusedWithoutASearch) {
  Rig rig;
  rig.prepared(kTopRow);
  rig.game.imgTile_MouseUp(CellToIndex(1, 6), MouseButton::Right);
  EXPECT_EQ(rig.host.sounds, std::vector<SoundIndex>{SoundIndex::Error});
  EXPECT_EQ(rig.game.TargetCol(), 1);
  EXPECT_EQ(rig.game.TargetRow(), 6);
  EXPECT_FALSE(rig.game.walkTimerEnabled());
  EXPECT_TRUE(rig.game.Openings()(2, 1).isX()) << "the openings were never built";
}

TEST(SendThing, UnreachableCellRefusesAndChangesNothing) {
  Rig rig;
  rig.prepared(kTopRow);
  rig.game.SendThing(CellToIndex(3, 3));
  EXPECT_EQ(rig.host.sounds, std::vector<SoundIndex>{SoundIndex::Error});
  EXPECT_FALSE(rig.game.walkTimerEnabled());
  EXPECT_EQ(rig.game.Score(), 100);
  EXPECT_EQ(rig.game.ThingPath(), "");
  EXPECT_TRUE(rig.view.events.empty());
}

TEST(Walk, FirstStepAfter10msThen100msAndOneStepPerTick) {
  Rig rig;
  rig.prepared(kTopRow);
  rig.game.SendThing(CellToIndex(4, 1));
  EXPECT_EQ(rig.game.ThingPath(), "rrr");
  EXPECT_THAT(rig.host.timerChanges, ::testing::ElementsAre(std::pair{true, 10}));

  rig.game.tmrMoveThing_Timer();
  EXPECT_EQ(rig.game.ThingCol(), 2);
  EXPECT_EQ(rig.game.walkTimerInterval(), 100);
  rig.game.tmrMoveThing_Timer();
  rig.game.tmrMoveThing_Timer();
  EXPECT_EQ(rig.game.ThingCol(), 4);
  EXPECT_FALSE(rig.game.walkTimerEnabled());
  EXPECT_THAT(rig.host.timerChanges,
              ::testing::ElementsAre(std::pair{true, 10}, std::pair{true, 100}, std::pair{false, 100}));
  EXPECT_EQ(rig.game.Score(), 115) << "three fresh tiles";
  EXPECT_EQ(rig.boardRow(1), "WWWWGMGG");
  EXPECT_EQ(rig.host.count(SoundIndex::MoveThing), 3);

  rig.game.SendThing(CellToIndex(1, 1));
  rig.runWalk();
  EXPECT_EQ(rig.game.Score(), 115) << "walking back scores nothing";
}

TEST(Walk, OneLetterRouteTakesOneTick) {
  Rig rig;
  rig.prepared(kTopRow);
  rig.game.SendThing(CellToIndex(2, 1));
  EXPECT_EQ(rig.runWalk(), 1);
  EXPECT_EQ(rig.host.sounds, std::vector<SoundIndex>{SoundIndex::MoveThing});
}

TEST(Walk, BonusSoundReplacesTheStepSoundOnce) {
  Rig rig;
  rig.prepared(kTopRow);
  rig.game.SendThing(CellToIndex(7, 1));
  rig.runWalk();
  EXPECT_THAT(rig.host.sounds, ::testing::ElementsAre(SoundIndex::MoveThing, SoundIndex::MoveThing,
                                                      SoundIndex::MoveThing, SoundIndex::MoveThing,
                                                      SoundIndex::Bonus, SoundIndex::MoveThing));
  EXPECT_FALSE(rig.game.BonusCollected());
  EXPECT_EQ(rig.game.Score(), 100 + 5 * 5 + 10);
}

TEST(Walk, ArrivingOnTheGoalEndsTheWalkWithoutAStepSound) {
  Rig rig;
  rig.prepared({"WGGGGGGL", "HHHHHHHF", "HHHHHHHF", "HHHHHHHF", "HHHHHHHF", "XHHHHHHF"});
  rig.game.SendThing(CellToIndex(8, 6));
  bool stoppedWhileOpen = false;
  rig.host.whileDialogOpen = [&] {
    stoppedWhileOpen = !rig.game.walkTimerEnabled() && rig.game.ThingPath().empty();
  };
  rig.runWalk();
  EXPECT_TRUE(stoppedWhileOpen);
  EXPECT_EQ(rig.host.sounds.back(), SoundIndex::EndOfLevel);
  EXPECT_EQ(rig.host.count(SoundIndex::MoveThing), 11);
  ASSERT_EQ(rig.host.summaries.size(), 1u);
  EXPECT_EQ(rig.host.summaries[0].scoreText, std::to_string(100 + 12 * 5));
}

TEST(Walk, RoutePassingThroughTheGoalStopsThere) {
  Rig rig;
  // The route to (7,6) runs down column 8 onto the goal first.
  rig.prepared({"WGGGGGGL", "HHHHHHHF", "HHHHHHHF", "HHHHHHHF", "HHHHHHHF", "XHHHHHGJ"});
  rig.game.SendThing(CellToIndex(7, 6));
  EXPECT_EQ(rig.game.ThingPath(), "rrrrrrrdddddl");
  rig.runWalk();
  EXPECT_EQ(rig.game.ThingCol(), 8);
  EXPECT_EQ(rig.game.ThingRow(), 6);
  EXPECT_EQ(rig.game.ThingPath(), "");
  EXPECT_EQ(rig.host.summaries.size(), 1u);
  EXPECT_EQ(rig.game.Board(7, 6), 'G') << "the rest of the route is dropped";
}

TEST(Walk, StartingALevelStopsTheWalk) {
  Rig rig;
  rig.prepared(kTopRow);
  rig.game.SendThing(CellToIndex(5, 1));
  rig.game.tmrMoveThing_Timer();
  rig.game.StartLevel(2);
  EXPECT_FALSE(rig.game.walkTimerEnabled());
  EXPECT_EQ(rig.game.ThingPath(), "");
  rig.game.tmrMoveThing_Timer();  // a tick already queued must not move the Thing
  EXPECT_EQ(rig.game.ThingCol(), 1);
  EXPECT_EQ(rig.game.ThingRow(), 1);
}

}  // namespace
}  // namespace gorbix
