// Where the level generator's randomness comes from.
#pragma once

#include <cstdint>
#include <random>

namespace gorbix {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A single-precision value u with 0 <= u < 1.
  virtual float next() = 0;
};

// Seeded once, from std::random_device unless a seed is given. Seeding again
// from a coarse clock before every piece would make neighbouring pieces of
// one board come out alike.
class SeededRandom final : public RandomSource {
 public:
  SeededRandom();
  explicit SeededRandom(std::uint64_t seed);
  float next() override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace gorbix
