// Board numbers: a (level, number) pair names one board for good.
#pragma once

#include <cstdint>

#include "game/random.h"

namespace gorbix {

inline constexpr std::int32_t kFirstBoardNumber = 1;
inline constexpr std::int32_t kLastBoardNumber = 2147483647;

constexpr bool IsBoardNumber(std::int64_t n) { return n >= kFirstBoardNumber && n <= kLastBoardNumber; }

// The deal of one board. The generator is ours and written out in full
// (SplitMix64), so its output cannot change with a library version: boards
// dealt from it are pinned by exact-board tests and must stay as they are.
class BoardRandom final : public RandomSource {
 public:
  explicit BoardRandom(std::int32_t boardNumber);
  float next() override;

 private:
  std::uint64_t state_;
};

// A board number from two draws of the run's source: 24 bits from the first
// and 7 from the second make 31, so every number can come up. The one
// pattern of bits that reads 0 stands for the last number instead.
std::int32_t DrawBoardNumber(RandomSource& random);

}  // namespace gorbix
