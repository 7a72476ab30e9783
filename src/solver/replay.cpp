#include "solver/replay.h"

#include "game/game.h"
#include "game/silent_view.h"
#include "support/error_trap.h"

namespace gorbix::solver {

namespace {

// The game with everything the shell would do stubbed out.
struct QuietGame {
  explicit QuietGame(RandomSource& random) : game(view, host, random, trap) {}
  SilentView view;
  CountingHost host;
  CountingTrap trap;
  Game game;
};

}  // namespace

Position positionOf(const Game& game) {
  Position p;
  for (int i = 0; i < kCells; ++i) {
    p.cells[static_cast<std::size_t>(i)] = game.board().atIndex(i);
    if (p.cells[static_cast<std::size_t>(i)] == kHole) p.hole = static_cast<std::int8_t>(i);
  }
  p.thing = static_cast<std::int8_t>(CellToIndex(game.ThingCol(), game.ThingRow()));
  p.score = game.Score();
  return p;
}

Position dealtPosition(std::int16_t level, RandomSource& random) {
  QuietGame quiet(random);
  quiet.game.StartLevel(level);
  return positionOf(quiet.game);
}

Position dealtPosition(std::int16_t level, std::int32_t boardNumber) {
  SeededRandom unused(0);
  QuietGame quiet(unused);
  quiet.game.StartLevel(level);
  quiet.game.playBoard(boardNumber);
  return positionOf(quiet.game);
}

ReplayResult replayThroughGame(const Position& start, std::span<const Click> clicks) {
  SeededRandom random(0);
  QuietGame quiet(random);
  Game& game = quiet.game;
  const CountingHost& host = quiet.host;
  game.StartLevel(1);
  game.AddScore(start.score - game.Score());
  for (int i = 0; i < kCells; ++i) {
    const Cell cell = IndexToCell(i);
    // The Thing is put down on a visited tile first, so that standing there scores nothing.
    game.SetCell(i == start.thing ? 'Q' : start.cells[static_cast<std::size_t>(i)], cell.col, cell.row);
  }
  const Cell thing = IndexToCell(start.thing);
  game.PlaceThing(thing.col, thing.row);
  game.SetCell(start.cells[static_cast<std::size_t>(start.thing)], thing.col, thing.row);

  ReplayResult result;
  for (const Click click : clicks) {
    if (host.ends > 0) {
      result.fault = "a click after the level ended";
      break;
    }
    if (click.right && CellToIndex(game.ThingCol(), game.ThingRow()) == click.index) {
      result.fault = "a right click on the Thing";
      break;
    }
    const int refusals = host.refusals;
    game.imgTile_MouseUp(click.index, click.right ? MouseButton::Right : MouseButton::Left);
    for (int ticks = 0; game.walkTimerEnabled() && ticks < kCells * 4; ++ticks) game.tmrMoveThing_Timer();
    if (host.refusals != refusals) {
      result.fault = "a refused click";
      break;
    }
  }
  if (result.fault.empty() && quiet.trap.reports > 0) result.fault = "an internal error report";
  // A Thing that stands on the goal already has nothing left to do.
  const bool home = clicks.empty() && start.thing == kGoalIndex;
  result.ended = (host.ends == 1 || home) && result.fault.empty();
  result.score = game.Score();
  return result;
}

}  // namespace gorbix::solver
