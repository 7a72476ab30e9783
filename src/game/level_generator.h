// The make-up of a level's board: the bag of 48 codes and the start tile.
#pragma once

#include <cstdint>
#include <string>

#include "game/random.h"

namespace gorbix {

// Codes each level deals in fixed numbers; the rest comes from the pool.
struct LevelCounts {
  int crosses;   // "A"
  int blockers;  // "H"
  int tees;      // "B"
  int random;    // drawn from the pool
};
LevelCounts CountsForLevel(std::int16_t level);

// The nine track pieces random pieces are drawn from, each equally likely.
inline constexpr std::string_view kPiecePool = "CDEFGIJKL";

// nA x "A", nH x "H", "XMNOP", nB x "B", then the random pieces in the
// order drawn. The order matters: the start tile is chosen by position.
std::string BuildBag(std::int16_t level, RandomSource& random);

// Int(u x n) + 1 for a draw u, kept inside 1..n whatever the source gives.
int DrawPosition(float u, int n);

}  // namespace gorbix
