// The rules of a slide and a send on bit masks, click for click what the
// game does, without a view, a host or a timer.
#pragma once

#include <array>
#include <cstdint>

#include "solver/position.h"

namespace gorbix::solver {

enum class Outcome : std::uint8_t {
  Refused,  // the game only sounds the refusal: nothing changes
  Moved,
  Ended,  // the Thing reached the goal: nothing after this moment counts
};

// One bit per side, in the game's letter order u, d, l, r.
enum Side : std::uint8_t { kUp = 1, kDown = 2, kLeft = 4, kRight = 8 };

// A route as direction bits, one per move.
struct Route {
  // Each attempt uses a side at most once, so a route is shorter than the
  // number of sides on the board.
  std::array<std::uint8_t, kCells * 4> steps;  // only the first `length` are set
  int length = 0;
};

// The pruned open sides of a board, as the game's route search starts from them.
class Openings {
 public:
  explicit Openings(const std::array<char, kCells>& cells);

  // Sides as bits by image index, one mask a direction.
  std::uint64_t up() const { return up_; }
  std::uint64_t down() const { return down_; }
  std::uint64_t left() const { return left_; }
  std::uint64_t right() const { return right_; }

  // The cells the pruned track joins to `from`, as bits by image index.
  // (Kept for the next call: an Openings is not shared between threads.)
  std::uint64_t component(int from) const;
  // The game's greedy search with its dead-end pruning and restarts.
  bool findRoute(int from, int target, Route& route) const;

 private:
  std::array<std::uint8_t, kCells> sideGrid() const;

  std::uint64_t up_ = 0;
  std::uint64_t down_ = 0;
  std::uint64_t left_ = 0;
  std::uint64_t right_ = 0;
  // The last component asked for: every send from one position asks the same.
  mutable int componentOf_ = -1;
  mutable std::uint64_t component_ = 0;
  // The sides cell by cell, built for the first route search only: many
  // boards are only asked for their track's reach.
  mutable bool gridBuilt_ = false;
  mutable std::array<std::uint8_t, kCells> grid_;
};

// The Thing steps onto a cell: a fresh tile turns visited and pays.
void placeThing(Position& p, int index);

// A left click on tile `index`.
Outcome slide(Position& p, int index);

// Walks a route found from the Thing's cell, stopping on the goal.
Outcome walk(Position& p, const Route& route);

// A right click on tile `index` (the Thing's own cell included, as a click
// on the tile image would be).
Outcome send(Position& p, int index);
Outcome send(Position& p, const Openings& openings, int index);

Outcome play(Position& p, Click click);

}  // namespace gorbix::solver
