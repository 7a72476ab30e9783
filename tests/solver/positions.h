// Positions as play makes them, and a game set up on a given position.
#pragma once

#include <cstdlib>
#include <random>
#include <string>

#include "../game/fakes.h"
#include "solver/position.h"
#include "solver/replay.h"
#include "solver/rules.h"

namespace gorbix::solver::testing {

// Sanitizer builds run the same tests on fewer cases.
#ifdef GORBIX_QUICK_TESTS
inline constexpr int kScale = 10;
#else
inline constexpr int kScale = 1;
#endif

// GORBIX_SOLVER_SEED replays a run; the seed is printed with every failure.
inline std::uint64_t testSeed(std::uint64_t fallback) {
  if (const char* env = std::getenv("GORBIX_SOLVER_SEED")) return std::strtoull(env, nullptr, 10);
  return fallback;
}

using solver::positionOf;

// The rig's game on `p`: the board, the Thing (scoring nothing for being put
// down, even on a fresh tile) and the score.
inline void setUp(gorbix::testing::Rig& rig, const Position& p) {
  rig.game.StartLevel(1);
  for (int i = 0; i < kCells; ++i) {
    const Cell c = IndexToCell(i);
    rig.game.SetCell(i == p.thing ? 'Q' : p.cells[static_cast<std::size_t>(i)], c.col, c.row);
  }
  const Cell thing = IndexToCell(p.thing);
  rig.game.PlaceThing(thing.col, thing.row);
  rig.game.SetCell(p.cells[static_cast<std::size_t>(p.thing)], thing.col, thing.row);
  rig.game.AddScore(p.score - rig.game.Score());
  rig.clearRecords();
}

// A freshly dealt board of `level`, then a few random slides and sends, so
// that tiles are visited, bonuses taken and the Thing away from the start.
// Now and then the score is pushed to an edge of its range or the Thing's
// tile made fresh again, as a position typed into the solver may have it.
inline Position playedPosition(std::mt19937_64& dice, std::int16_t level) {
  gorbix::testing::RecordingView view;
  gorbix::testing::ScriptedHost host;
  gorbix::testing::RecordingTrap trap;
  SeededRandom deal(dice());
  Game game(view, host, deal, trap);
  view.recordCells = false;
  game.StartLevel(level);
  const int actions = static_cast<int>(dice() % 12);
  for (int a = 0; a < actions; ++a) {
    const Position before = positionOf(game);
    const int index = static_cast<int>(dice() % kCells);
    if (index == before.thing) continue;
    const std::size_t ends = host.summaries.size();
    game.imgTile_MouseUp(index, dice() % 2 ? MouseButton::Right : MouseButton::Left);
    while (game.walkTimerEnabled()) game.tmrMoveThing_Timer();
    if (host.summaries.size() != ends) game.StartLevel(level);  // keep positions of levels in play
  }
  Position p = positionOf(game);
  switch (dice() % 8) {
    case 0: p.score = static_cast<std::int16_t>(dice() % 12); break;
    case 1: p.score = static_cast<std::int16_t>(kMaxScore - dice() % 40); break;
    case 2: {
      char& under = p.cells[static_cast<std::size_t>(p.thing)];
      if (under >= 'Q' && under != kHole) under = static_cast<char>(under - kVisitedOffset);
      break;
    }
    default: break;
  }
  return p;
}

inline std::string routeLetters(const Route& route) {
  std::string letters;
  for (int i = 0; i < route.length; ++i) {
    switch (route.steps[static_cast<std::size_t>(i)]) {
      case kUp: letters += 'u'; break;
      case kDown: letters += 'd'; break;
      case kLeft: letters += 'l'; break;
      default: letters += 'r'; break;
    }
  }
  return letters;
}

}  // namespace gorbix::solver::testing
