// How far counts stray from equal shares, for the tests of randomness.
#pragma once

#include <vector>

namespace gorbix::testing {

// Chi-square statistic of observed counts against equal expectations.
inline double chiSquare(const std::vector<long>& observed) {
  long total = 0;
  for (long n : observed) total += n;
  const double expected = static_cast<double>(total) / static_cast<double>(observed.size());
  double chi = 0;
  for (long n : observed) chi += (static_cast<double>(n) - expected) * (static_cast<double>(n) - expected) / expected;
  return chi;
}

}  // namespace gorbix::testing
