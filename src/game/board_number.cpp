#include "game/board_number.h"

#include <cmath>

namespace gorbix {

namespace {

// The whole part of u x 2^bits, kept inside 0..2^bits - 1 whatever the source gives.
std::uint32_t topBits(float u, int bits) {
  const double scaled = std::floor(static_cast<double>(u) * std::ldexp(1.0, bits));
  const double last = std::ldexp(1.0, bits) - 1;
  if (!(scaled >= 0)) return 0;  // also NaN
  return static_cast<std::uint32_t>(scaled > last ? last : scaled);
}

}  // namespace

BoardRandom::BoardRandom(std::int32_t boardNumber) : state_(static_cast<std::uint64_t>(boardNumber)) {}

float BoardRandom::next() {
  state_ += 0x9E3779B97F4A7C15u;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  z ^= z >> 31;
  // The top 24 bits: every float in [0, 1) at spacing 2^-24, never 1.
  return static_cast<float>(z >> 40) * 0x1.0p-24f;
}

std::int32_t DrawBoardNumber(RandomSource& random) {
  const std::uint32_t high = topBits(random.next(), 24);
  const std::uint32_t low = topBits(random.next(), 7);
  const std::uint32_t n = high << 7 | low;
  return n == 0 ? kLastBoardNumber : static_cast<std::int32_t>(n);
}

}  // namespace gorbix
