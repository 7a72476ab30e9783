// Undo and redo: what they give back and charge, and random play of every
// level against a replay of the moves left standing.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <tuple>

#include "fakes.h"

namespace gorbix {
namespace {

using testing::Rig;
using Position = std::pair<BoardGrid, Cell>;
Position positionOf(const Game& game) { return {game.board(), {game.ThingCol(), game.ThingRow()}}; }

// The Thing on (1,1), track with a 10-point bonus on (4,1), the hole on (8,1);
// or the Thing two steps from the goal.
const std::vector<std::string> kRow = {"WGGMGGGX", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH"};
const std::vector<std::string> kNearGoal = {"XHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHWGG"};

// sN slides tile image N, tN sends there and walks, wN sends without a
// tick, h pays a hint, aN adds N points, u undoes, r redoes. The position
// is the one after token sameAsAfter (0: the start).
struct UndoCase {
  const char* script;
  int score;
  bool canUndo, canRedo;
  int sameAsAfter;
  bool nearGoal = false;
};

TEST(Undo, GivesBackTheMoveChargesTenAndRedoMakesItAgain) {
  const UndoCase cases[] = {
      {"u", 100, false, false, 0},         // nothing to undo at the start
      {"s6 u", 90, false, true, 0},        // its 5 given back, then 10 taken
      {"s6 u r", 85, true, false, 1},      // redo costs the slide again, nothing more
      {"s0 u", 90, false, true, 0},        // the Thing rode along and rides back
      {"t4 u r", 115, true, false, 1},     // the walk's 25 points and fresh tiles go and come back
      {"t4 h u", 80, false, true, 0},      // the hint paid since stays paid
      {"s6 t9 u", 90, false, true, 0},     // a refused send is no move
      {"s6 u s5", 85, true, false, 3},     // a new move ends what could be redone
      {"a-97 s6 u", 0, false, true, 0},    // never below 0
      {"s6 w4 u", 95, false, false, 1},    // not while the Thing walks
      {"s6 s5 u u r", 75, true, true, 1},  // the earlier undone move stays to be redone
      {"t47 u", 110, false, false, 1, true},  // not once the level has ended
  };
  for (const UndoCase& c : cases) {
    SCOPED_TRACE(c.script);
    Rig rig;
    rig.prepared(c.nearGoal ? kNearGoal : kRow, c.nearGoal ? Cell{6, 6} : kStartCell);
    std::vector<Position> seen = {positionOf(rig.game)};
    std::istringstream tokens(c.script);
    for (std::string t; tokens >> t;) {
      const int n = t.size() > 1 ? std::stoi(t.substr(1)) : 0;
      if (t[0] == 's' || t[0] == 't' || t[0] == 'w') {
        rig.game.imgTile_MouseUp(n, t[0] == 's' ? MouseButton::Left : MouseButton::Right);
      }
      if (t[0] == 'h') rig.game.payHint();
      if (t[0] == 'a') rig.game.AddScore(n);
      if (t[0] == 'u') rig.game.undo();
      if (t[0] == 'r') rig.game.redo();
      if (t[0] == 't' || t[0] == 'r') rig.runWalk();
      seen.push_back(positionOf(rig.game));
    }
    EXPECT_EQ(std::tuple(rig.game.Score(), rig.game.canUndo(), rig.game.canRedo()),
              std::tuple(c.score, c.canUndo, c.canRedo));
    EXPECT_TRUE(seen.back() == seen[static_cast<std::size_t>(c.sameAsAfter)]);
    EXPECT_EQ(rig.host.played, rig.game.history().events()) << "the shell is told of each entry";
  }
}

// Moves, refusals, undos, redos and hints at random on boards of every
// level. The position is the one the moves left standing give from the
// board's start; the score is theirs less 10 for each undo and hint, until
// it hits 0; and the record of play takes the game up again exactly.
TEST(Undo, RandomPlayOfEveryLevelMatchesAReplayOfTheMovesStanding) {
  std::mt19937 dice(20261118);
  int scored = 0;
  for (int game = 0; game < 100; ++game) {
    const auto level = static_cast<std::int16_t>(game % kLevels + 1);
    const auto number = static_cast<std::int32_t>(dice() % 2000000000 + 1);
    SCOPED_TRACE("level " + std::to_string(level) + " board " + std::to_string(number));
    Rig rig, replay, resumed;
    for (Rig* r : {&rig, &replay}) {
      r->game.StartLevel(level);
      r->game.playBoard(number);
    }
    int lowest = 100;
    for (int action = 0; action < 40 && !rig.game.levelEnded(); ++action) {
      const unsigned roll = dice() % 100;
      const int index = static_cast<int>(dice() % kCells);
      if (roll < 80) rig.game.imgTile_MouseUp(index, roll < 45 ? MouseButton::Left : MouseButton::Right);
      else if (roll < 92) rig.game.undo();
      else if (roll < 97) rig.game.redo();
      else rig.game.payHint();
      rig.runWalk();
      lowest = std::min<int>(lowest, rig.game.Score());
    }
    const std::vector<PlayEvent>& events = rig.game.history().events();
    const std::string fault = resumed.game.resume(level, number, events, rig.game.Score());
    EXPECT_EQ(fault.empty(), !rig.game.levelEnded()) << "a finished level is never taken up again";
    if (rig.game.levelEnded()) continue;
    EXPECT_TRUE(positionOf(resumed.game) == positionOf(rig.game));
    EXPECT_EQ(resumed.game.history().events(), events);
    EXPECT_EQ(resumed.game.canRedo(), rig.game.canRedo());
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
  EXPECT_GT(scored, 50) << "too few games kept their score above 0 to check it";
}

}  // namespace
}  // namespace gorbix
