// Undo and redo: what they give back and charge, and random play of every
// level against a replay of the moves left standing.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "fakes.h"

namespace gorbix {
namespace {

using testing::Rig;

// Row 1: the Thing on (1,1), track with a 10-point bonus on (4,1), the hole on (8,1).
const std::vector<std::string> kRow = {"WGGMGGGX", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH"};
// Two steps from the goal.
const std::vector<std::string> kNearGoal = {"XHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHWGG"};

struct Position {
  BoardGrid board;
  Cell thing;
  friend bool operator==(const Position&, const Position&) = default;
};
Position positionOf(const Game& game) { return {game.board(), {game.ThingCol(), game.ThingRow()}}; }

// Tokens: sN slides tile image N, tN sends there and walks, wN sends
// without a tick, h pays a hint, aN adds N points, u undoes, r redoes.
void play(Rig& rig, const std::string& script, std::vector<Position>& after) {
  std::istringstream tokens(script);
  for (std::string token; tokens >> token;) {
    const int n = token.size() > 1 ? std::stoi(token.substr(1)) : 0;
    switch (token[0]) {
      case 's': rig.game.imgTile_MouseUp(n, MouseButton::Left); break;
      case 't': rig.game.imgTile_MouseUp(n, MouseButton::Right); rig.runWalk(); break;
      case 'w': rig.game.imgTile_MouseUp(n, MouseButton::Right); break;
      case 'h': rig.game.payHint(); break;
      case 'a': rig.game.AddScore(n); break;
      case 'u': rig.game.undo(); break;
      case 'r': rig.game.redo(); rig.runWalk(); break;
    }
    after.push_back(positionOf(rig.game));
  }
}

struct UndoCase {
  const char* script;
  int score;
  bool canUndo;
  bool canRedo;
  int sameAsAfter;  // the token whose position it is; -1: the start
  const std::vector<std::string>* board = &kRow;
  Cell thing = kStartCell;
};

TEST(Undo, GivesBackTheMoveChargesTenAndRedoMakesItAgain) {
  const UndoCase cases[] = {
      {"u", 100, false, false, -1},                  // nothing to undo at the start
      {"s6 u", 90, false, true, -1},                 // its 5 given back, then 10 taken
      {"s6 u r", 85, true, false, 0},                // redo costs the slide again, nothing more
      {"s0 u", 90, false, true, -1},                 // the Thing rode along and rides back
      {"t4 u", 90, false, true, -1},                 // the walk's 25 points and fresh tiles go back
      {"t4 u r", 115, true, false, 0},               // the same walk, the same points
      {"t4 h u", 80, false, true, -1},               // the hint paid since stays paid
      {"s6 t9 u", 90, false, true, -1},              // a refused send is no move
      {"s6 u s5", 85, true, false, 2},               // a new move ends what could be redone
      {"a-97 s6 u", 0, false, true, -1},             // never below 0
      {"s6 w4 u", 95, false, false, 0},              // not while the Thing walks
      {"s6 s5 u u r", 75, true, true, 0},            // the earlier undone move stays to be redone
      {"t47 u", 110, false, false, 0, &kNearGoal, {6, 6}},  // not once the level has ended
  };
  for (const UndoCase& c : cases) {
    SCOPED_TRACE(c.script);
    Rig rig;
    rig.prepared(*c.board, c.thing);
    const Position start = positionOf(rig.game);
    std::vector<Position> after;
    play(rig, c.script, after);
    EXPECT_EQ(rig.game.Score(), c.score);
    EXPECT_EQ(rig.game.canUndo(), c.canUndo);
    EXPECT_EQ(rig.game.canRedo(), c.canRedo);
    EXPECT_TRUE(positionOf(rig.game) == (c.sameAsAfter < 0 ? start : after[static_cast<std::size_t>(c.sameAsAfter)]));
    EXPECT_EQ(rig.host.played, rig.game.history().events()) << "the shell is told of each entry";
  }
}

TEST(Redo, WalksAgainWithTheSameSteps) {
  Rig rig;
  rig.prepared(kRow);
  std::vector<Position> after;
  play(rig, "t4", after);
  const std::vector<SoundIndex> walked = rig.host.sounds;
  rig.clearRecords();
  play(rig, "u r", after);
  EXPECT_EQ(rig.host.sounds, walked);
  EXPECT_EQ(rig.host.count(SoundIndex::Bonus), 1);
}

// Moves, refusals, undos, redos and hints at random on boards of every
// level. The position is the one the moves left standing give from the
// board's start; the score is theirs less 10 for each undo and hint, until
// it hits 0; and the record of play takes the game up again exactly.
TEST(Undo, RandomPlayOfEveryLevelMatchesAReplayOfTheMovesStanding) {
  std::mt19937 dice(20261118);
  int scored = 0;
  for (std::int16_t level = 1; level <= kLevels; ++level) {
    for (int board = 0; board < 4; ++board) {
      const auto number = static_cast<std::int32_t>(dice() % 2000000000 + 1);
      SCOPED_TRACE("level " + std::to_string(level) + " board " + std::to_string(number));
      Rig rig;
      rig.game.StartLevel(level);
      rig.game.playBoard(number);
      int lowest = rig.game.Score();
      for (int action = 0; action < 40 && !rig.game.levelEnded(); ++action) {
        const unsigned roll = dice() % 100;
        if (roll < 45) rig.game.imgTile_MouseUp(static_cast<int>(dice() % kCells), MouseButton::Left);
        else if (roll < 80) rig.game.imgTile_MouseUp(static_cast<int>(dice() % kCells), MouseButton::Right);
        else if (roll < 92) rig.game.undo();
        else if (roll < 97) rig.game.redo();
        else rig.game.payHint();
        rig.runWalk();
        lowest = std::min<int>(lowest, rig.game.Score());
      }
      const std::vector<PlayEvent>& events = rig.game.history().events();
      Rig resumed;
      const std::string fault = resumed.game.resume(level, number, events, rig.game.Score());
      if (rig.game.levelEnded()) {
        EXPECT_NE(fault, "") << "a finished level is never taken up again";
        continue;
      }
      ASSERT_EQ(fault, "");
      EXPECT_TRUE(positionOf(resumed.game) == positionOf(rig.game));
      EXPECT_EQ(resumed.game.Score(), rig.game.Score());
      EXPECT_EQ(resumed.game.history().events(), events);
      EXPECT_EQ(resumed.game.canRedo(), rig.game.canRedo());

      Rig replay;
      replay.game.StartLevel(level);
      replay.game.playBoard(number);
      for (const MoveRecord& move : rig.game.history().moves()) {
        replay.game.imgTile_MouseUp(move.move.index, move.move.send ? MouseButton::Right : MouseButton::Left);
        replay.runWalk();
      }
      EXPECT_TRUE(positionOf(replay.game) == positionOf(rig.game));
      if (lowest == 0) continue;
      const auto charged = std::count_if(events.begin(), events.end(), [](const PlayEvent& e) {
        return e.kind == PlayKind::Undo || e.kind == PlayKind::Hint;
      });
      EXPECT_EQ(rig.game.Score(), replay.game.Score() - 10 * charged);
      ++scored;
    }
  }
  EXPECT_GT(scored, 50) << "too few games kept their score above 0 to check it";
}

}  // namespace
}  // namespace gorbix
