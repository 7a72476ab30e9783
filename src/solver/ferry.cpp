#include "solver/ferry.h"

#include <cassert>

namespace gorbix::solver {

bool FerryTable::move(int& thing, int& hole, int index) {
  int step = 0;
  if (index != hole && index / kCols == hole / kCols) step = index > hole ? 1 : -1;
  else if (index != hole && index % kCols == hole % kCols) step = index > hole ? kCols : -kCols;
  if (step == 0) return false;
  // The Thing rides when its tile lies between the hole and the clicked cell.
  for (int at = hole + step;; at += step) {
    if (at == thing) {
      thing -= step;
      break;
    }
    if (at == index) break;
  }
  hole = index;
  return true;
}

FerryTable::FerryTable() {
  constexpr std::uint8_t kUnknown = 0xFF;
  distance_.fill(kUnknown);
  next_.fill(-1);
  // Breadth first, backwards from every place of the hole with the Thing on
  // the goal. The slide that led to (thing, hole) came from an earlier hole
  // `from` in the same row or column; it moved the tiles from beside `from`
  // up to `hole` one step towards `from`, the Thing's tile among them.
  std::array<std::int16_t, kCells * kCells> queue{};
  int tail = 0;
  for (int hole = 0; hole < kCells; ++hole) {
    if (hole == kGoalIndex) continue;
    distance_[state(kGoalIndex, hole)] = 0;
    queue[static_cast<std::size_t>(tail++)] = static_cast<std::int16_t>(state(kGoalIndex, hole));
  }
  for (int head = 0; head < tail; ++head) {
    const int thing = queue[static_cast<std::size_t>(head)] / kCells;
    const int hole = queue[static_cast<std::size_t>(head)] % kCells;
    const std::uint8_t d = distance_[state(thing, hole)];
    // The earlier hole: any other cell of the hole's row, then of its column.
    for (int k = 0; k < kCols + kRows; ++k) {
      const int from = k < kCols ? hole / kCols * kCols + k : (k - kCols) * kCols + hole % kCols;
      if (from == hole) continue;
      const int step = k < kCols ? (hole > from ? 1 : -1) : (hole > from ? kCols : -kCols);
      // After the slide the moved tiles stand on from .. hole - step.
      const bool between = step > 0 ? thing >= from && thing < hole : thing <= from && thing > hole;
      const bool moved = between && (thing - from) % step == 0;
      const int before = moved ? thing + step : thing;
      if (before == from || before == kGoalIndex) continue;  // never on the hole; home already
      // Only the Thing's own step onto the goal ends a slide early; any
      // other slide runs to the clicked cell as assumed here.
      const std::size_t pred = state(before, from);
      if (distance_[pred] != kUnknown) continue;
      distance_[pred] = static_cast<std::uint8_t>(d + 1);
      next_[pred] = static_cast<std::int8_t>(hole);
      queue[static_cast<std::size_t>(tail++)] = static_cast<std::int16_t>(pred);
    }
  }
}

std::vector<Click> FerryTable::clicks(int thing, int hole) const {
  std::vector<Click> line;
  while (thing != kGoalIndex) {
    const int click = firstClick(thing, hole);
    assert(click >= 0);
    line.push_back({static_cast<std::uint8_t>(click), false});
    move(thing, hole, click);
  }
  return line;
}

}  // namespace gorbix::solver
