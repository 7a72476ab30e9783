// The solver: a line of clicks that ends the level with as high a score as
// the budget allows. Anytime: a winning line exists from the first moment.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "solver/position.h"

namespace gorbix::solver {

struct Budget {
  // Positions each of the solver's searches may make; a node budget gives the same
  // line on every machine.
  std::int64_t nodes = 0;  // 0: no node limit
  std::optional<std::chrono::steady_clock::time_point> deadline;
  // Asked from another thread to stop: the search returns its best line so far.
  std::stop_token stop;

  static Budget ofNodes(std::int64_t n) { return {n, std::nullopt, {}}; }
  static Budget ofTime(std::chrono::milliseconds ms) { return {0, std::chrono::steady_clock::now() + ms, {}}; }
};

struct Line {
  std::vector<Click> clicks;  // ends the level; empty when the Thing stands on the goal already
  int score = 0;              // the score when the level ends
};

// What a search did, for benchmarks.
struct SolveStats {
  std::int64_t nodes = 0;
  int beams = 0;        // beam passes run (each wider than the last)
  int improvements = 0; // times the best line got better
};

// A position the rules allow (see makePosition) in, a winning line out.
Line solve(const Position& start, const Budget& budget, SolveStats* stats = nullptr);

// The cheapest way home by slides alone: always there, found at once.
Line ferryLine(const Position& start);

}  // namespace gorbix::solver
