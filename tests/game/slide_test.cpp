// Left clicks: sliding tiles into the hole, with the Thing riding along.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes.h"

namespace gorbix {
namespace {

using testing::Rig;

TEST(SlideTile, OneStepTowardsTheHole) {
  Rig rig;
  rig.prepared({"QAAAAAAA", "AAAAAAAA", "ABCXAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA"});
  rig.game.imgTile_MouseUp(CellToIndex(3, 3), MouseButton::Left);
  EXPECT_EQ(rig.boardRow(3), "ABXCAAAA");
  EXPECT_EQ(rig.game.Score(), 95);
  EXPECT_EQ(rig.host.sounds, std::vector<SoundIndex>{SoundIndex::MoveTile});
  EXPECT_THAT(rig.view.events, ::testing::ElementsAre("score 95", "cell 3,3=X", "cell 4,3=C"));
}

TEST(SlideTile, SixTilesMoveForOneCharge) {
  Rig rig;
  rig.prepared({"QBCDEFGX", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA"});
  rig.game.SlideTile(CellToIndex(2, 1));
  EXPECT_EQ(rig.boardRow(1), "QXBCDEFG");
  EXPECT_EQ(rig.game.Score(), 95);
  EXPECT_EQ(rig.host.count(SoundIndex::MoveTile), 6);
  // Steps run from the hole towards the clicked cell.
  EXPECT_EQ(rig.view.events[1], "cell 7,1=X");
  EXPECT_EQ(rig.view.events[2], "cell 8,1=G");
}

TEST(SlideTile, HoleToTheLeftAndInTheColumn) {
  Rig rig;
  rig.prepared({"QAAAAAAA", "AAAAAAAA", "XBCDEFGA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA"});
  rig.game.SlideTile(CellToIndex(4, 3));
  EXPECT_EQ(rig.boardRow(3), "BCDXEFGA");

  rig.prepared({"QABAAAAA", "AACAAAAA", "AADAAAAA", "AAEAAAAA", "AAFAAAAA", "AAXAAAAA"});
  rig.game.SlideTile(CellToIndex(3, 1));
  std::string column;
  for (int row = 1; row <= kRows; ++row) column.push_back(rig.game.Board(3, row));
  EXPECT_EQ(column, "XBCDEF");
  EXPECT_EQ(rig.host.count(SoundIndex::MoveTile), 5);

  rig.prepared({"QAXAAAAA", "AACAAAAA", "AADAAAAA", "AAEAAAAA", "AAFAAAAA", "AAGAAAAA"});
  rig.game.SlideTile(CellToIndex(3, 6));
  column.clear();
  for (int row = 1; row <= kRows; ++row) column.push_back(rig.game.Board(3, row));
  EXPECT_EQ(column, "CDEFGX");
}

TEST(SlideTile, NoHoleInLineOnlyRefuses) {
  Rig rig;
  rig.prepared({"QAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAXAAA", "AAAAAAAA"});
  rig.game.imgTile_MouseUp(CellToIndex(2, 2), MouseButton::Left);
  EXPECT_EQ(rig.game.Score(), 100);
  EXPECT_EQ(rig.host.sounds, std::vector<SoundIndex>{SoundIndex::Error});
  EXPECT_TRUE(rig.view.events.empty());

  rig.host.sounds.clear();
  rig.game.imgTile_MouseUp(CellToIndex(5, 5), MouseButton::Left);  // the hole itself
  EXPECT_EQ(rig.host.sounds, std::vector<SoundIndex>{SoundIndex::Error});
  EXPECT_EQ(rig.game.Score(), 100);
}

TEST(SlideTile, ScoreStopsAtZero) {
  Rig rig;
  rig.prepared({"QAAAAAAX", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA"});
  rig.game.AddScore(-97);
  rig.game.SlideTile(CellToIndex(7, 1));
  EXPECT_EQ(rig.game.Score(), 0);
}

TEST(SlideTile, ThingRidesOnItsTileOnce) {
  Rig rig;
  rig.prepared({"QAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAABRCX"}, {6, 6});
  rig.game.SlideTile(CellToIndex(5, 6));
  EXPECT_EQ(rig.boardRow(6), "AAAAXBRC");
  EXPECT_EQ(rig.game.ThingCol(), 7);
  EXPECT_EQ(rig.game.ThingRow(), 6);
  EXPECT_EQ(rig.game.Score(), 95) << "riding along scores nothing";
  EXPECT_EQ(rig.host.count(SoundIndex::MoveTile), 3);
  EXPECT_TRUE(rig.host.summaries.empty());
}

TEST(SlideTile, ThingCarriedOntoTheGoalEndsTheLevelMidSlide) {
  Rig rig;
  rig.prepared({"QAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAABCDRX"}, {7, 6});
  rig.game.SlideTile(CellToIndex(4, 6));
  EXPECT_EQ(rig.boardRow(6), "AAABCDXR") << "the tiles before the Thing's stay put";
  EXPECT_EQ(rig.game.ThingCol(), 8);
  ASSERT_EQ(rig.host.summaries.size(), 1u);
  EXPECT_EQ(rig.host.summaries[0].scoreText, "95");
  EXPECT_EQ(rig.host.count(SoundIndex::MoveTile), 0);
  EXPECT_EQ(rig.host.sounds.back(), SoundIndex::EndOfLevel);
}

TEST(SlideTile, ChoiceMadeMidSlideLeavesTheNewBoardAlone) {
  Rig rig;
  rig.prepared({"QAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAABCDRX"}, {7, 6});
  rig.host.endChoices = {EndChoice::Again};
  rig.random = testing::ScriptedRandom({}, 0.5f);
  rig.game.SlideTile(CellToIndex(4, 6));
  EXPECT_EQ(rig.game.Score(), 100);
  EXPECT_EQ(rig.game.ThingCol(), 1);
  EXPECT_EQ(rig.host.count(SoundIndex::MoveTile), 0);
  int holes = 0;
  for (char code : rig.game.board()) holes += code == kHole;
  EXPECT_EQ(holes, 1);
}

TEST(ThingClick, LeftSlidesTheTileUnderItRightRefuses) {
  Rig rig;
  rig.prepared({"QAAAAAAX", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA"}, {3, 1});
  rig.game.imgThing_MouseUp(MouseButton::Right);
  EXPECT_EQ(rig.host.sounds, std::vector<SoundIndex>{SoundIndex::Error});
  rig.game.imgThing_MouseUp(MouseButton::Other);
  rig.game.imgTile_MouseUp(0, MouseButton::Other);
  EXPECT_EQ(rig.host.sounds.size(), 1u);

  rig.game.imgThing_MouseUp(MouseButton::Left);
  EXPECT_EQ(rig.boardRow(1), "QAXQAAAA");
  EXPECT_EQ(rig.game.ThingCol(), 4);
}

TEST(ThingClick, IgnoredWhileWalkingThenSlidesAfterwards) {
  Rig rig;
  rig.prepared({"WGGGGGGX", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA", "AAAAAAAA"});
  rig.game.imgTile_MouseUp(CellToIndex(3, 1), MouseButton::Right);
  ASSERT_TRUE(rig.game.walkTimerEnabled());
  const std::string before = rig.boardRow(1);
  rig.game.imgThing_MouseUp(MouseButton::Left);
  rig.game.imgTile_MouseUp(CellToIndex(4, 1), MouseButton::Left);
  rig.game.imgTile_MouseUp(CellToIndex(4, 1), MouseButton::Right);
  EXPECT_EQ(rig.boardRow(1), before);
  EXPECT_EQ(rig.game.Score(), 100);
  rig.runWalk();
  rig.game.imgThing_MouseUp(MouseButton::Left);
  EXPECT_EQ(rig.game.ThingCol(), 4) << "the Thing rode its tile one cell right";
}

}  // namespace
}  // namespace gorbix
