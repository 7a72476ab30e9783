#include "game/level_generator.h"

#include <cassert>
#include <cmath>

#include "game/game.h"

namespace gorbix {

LevelCounts CountsForLevel(std::int16_t level) {
  LevelCounts counts{};
  counts.crosses = (27 - level) / 2;
  counts.blockers = level / 5 + 1;
  counts.tees = counts.crosses;
  counts.random = kCells - (counts.crosses + counts.blockers + 5 + counts.tees);
  return counts;
}

int DrawPosition(float u, int n) {
  const int r = static_cast<int>(std::floor(static_cast<double>(u) * n)) + 1;
  return r < 1 ? 1 : (r > n ? n : r);
}

std::string BuildBag(std::int16_t level, RandomSource& random) {
  const LevelCounts counts = CountsForLevel(level);
  std::string bag;
  bag.reserve(kCells);
  bag.append(static_cast<std::size_t>(counts.crosses), 'A');
  bag.append(static_cast<std::size_t>(counts.blockers), kBlocker);
  bag.append("XMNOP");
  bag.append(static_cast<std::size_t>(counts.tees), 'B');
  while (bag.size() < static_cast<std::size_t>(kCells)) {
    const int pick = DrawPosition(random.next(), static_cast<int>(kPiecePool.size()));
    bag.push_back(kPiecePool[static_cast<std::size_t>(pick - 1)]);
  }
  return bag;
}

void Game::MakeLevel(std::int16_t level, RandomSource& deal) {
  assert(level >= 1 && level <= kLevels);
  std::string bag = BuildBag(level, deal);

  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) {
      int r = DrawPosition(deal.next(), static_cast<int>(bag.size()));
      char c = bag[static_cast<std::size_t>(r - 1)];
      if (col == kStartCell.col && row == kStartCell.row) {
        // The Thing starts on a visited track tile: never on the hole or a
        // bonus, and never on a blocker or a corner that leads off the board.
        if (IsBonus(c)) {
          r += 4;
          c = bag[static_cast<std::size_t>(r - 1)];
        } else if (c == kHole) {
          r += 1;
          c = bag[static_cast<std::size_t>(r - 1)];
        } else if (c == 'J' || c == kBlocker) {
          c = 'K';
        }
        c = static_cast<char>(c + kVisitedOffset);
      }
      SetCell(c, col, row);
      bag.erase(static_cast<std::size_t>(r - 1), 1);
    }
  }
}

}  // namespace gorbix
