// The game itself behind the solver: lines played through it as the window
// would play them, and positions dealt by it.
#pragma once

#include <span>
#include <string>

#include "game/random.h"
#include "solver/position.h"

namespace gorbix {
class Game;
}

namespace gorbix::solver {

struct ReplayResult {
  bool ended = false;  // the level ended, at the last click and not before
  int score = 0;       // the score then (or at the last click)
  std::string fault;   // empty, or what the line did that a player could not
};

// Sets the game up on `start`, then clicks: each walk runs to its end before
// the next click. A refused click, a click after the end and a right click
// on the Thing's own cell are faults.
ReplayResult replayThroughGame(const Position& start, std::span<const Click> clicks);

// Where the game stands now: its board, the Thing's cell and the score.
Position positionOf(const Game& game);

// A level as the game deals it, the Thing on the start cell, the score 100.
Position dealtPosition(std::int16_t level, RandomSource& random);
// Board `boardNumber` of a level as the game deals it; the number must lie in 1..2147483647.
Position dealtPosition(std::int16_t level, std::int32_t boardNumber);

}  // namespace gorbix::solver
