#include "game/random.h"

namespace gorbix {

SeededRandom::SeededRandom() {
  std::random_device device;
  std::seed_seq seq{device(), device(), device(), device()};
  engine_.seed(seq);
}

SeededRandom::SeededRandom(std::uint64_t seed) : engine_(seed) {}

float SeededRandom::next() {
  // 24 random bits make every float in [0, 1) at spacing 2^-24 equally
  // likely and can never round up to 1.
  return static_cast<float>(engine_() >> 40) * 0x1.0p-24f;
}

}  // namespace gorbix
