// Taking the Thing home by slides alone. Where the Thing and the hole go
// under slides does not depend on the tiles, so one table of the 48 x 48
// (Thing, hole) pairs answers every board.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "solver/position.h"

namespace gorbix::solver {

class FerryTable {
 public:
  FerryTable();

  // Fewest slides that bring the Thing onto the goal; 0 when it stands there.
  int slides(int thing, int hole) const { return distance_[state(thing, hole)]; }
  // The first click of such a ferry (the Thing must not stand on the goal).
  int firstClick(int thing, int hole) const { return next_[state(thing, hole)]; }
  // The whole ferry.
  std::vector<Click> clicks(int thing, int hole) const;

  // Where a slide by a click on `index` takes the Thing and the hole;
  // false when the click slides nothing.
  static bool move(int& thing, int& hole, int index);

 private:
  static constexpr std::size_t state(int thing, int hole) { return static_cast<std::size_t>(thing * kCells + hole); }
  std::array<std::uint8_t, kCells * kCells> distance_{};
  std::array<std::int8_t, kCells * kCells> next_{};
};

}  // namespace gorbix::solver
