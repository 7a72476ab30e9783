#include "solver/position.h"

namespace gorbix::solver {

PositionFault makePosition(const std::array<char, kCells>& cells, int thing, int score, Position& out) {
  int holes = 0;
  int hole = 0;
  for (int i = 0; i < kCells; ++i) {
    const char c = cells[static_cast<std::size_t>(i)];
    if (!IsTileCode(c)) return PositionFault::NotATileCode;
    if (c == kHole) {
      ++holes;
      hole = i;
    }
  }
  if (holes != 1) return PositionFault::HoleCount;
  if (thing < 0 || thing >= kCells) return PositionFault::ThingOffBoard;
  if (thing == hole) return PositionFault::ThingOnHole;
  if (cells[static_cast<std::size_t>(thing)] == kBlocker) return PositionFault::ThingOnBlocker;
  if (score < 0 || score > kMaxScore) return PositionFault::ScoreRange;
  out.cells = cells;
  out.thing = static_cast<std::int8_t>(thing);
  out.hole = static_cast<std::int8_t>(hole);
  out.score = static_cast<std::int16_t>(score);
  return PositionFault::None;
}

int freshPoints(const Position& p) {
  int points = 0;
  for (const char c : p.cells) points += TilePoints(c);
  return points;
}

}  // namespace gorbix::solver
