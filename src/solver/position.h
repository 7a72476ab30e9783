// A position the solver works on: 48 tile codes, the Thing's cell, the score.
#pragma once

#include <array>
#include <cstdint>

#include "game/tiles.h"

namespace gorbix::solver {

inline constexpr int kGoalIndex = kCells - 1;
inline constexpr int kMaxScore = 32767;

struct Position {
  std::array<char, kCells> cells{};  // image-index order
  std::int8_t thing = 0;             // image index of the Thing's cell
  std::int8_t hole = 0;              // image index of the "X"
  std::int16_t score = 100;

  friend bool operator==(const Position&, const Position&) = default;
};

enum class PositionFault { None, NotATileCode, HoleCount, ThingOffBoard, ThingOnHole, ThingOnBlocker, ScoreRange };

// Checks what the rules take for granted (every cell a tile code, exactly one
// hole, the Thing on track, the score 0..32767) and fills `out`, finding the hole.
PositionFault makePosition(const std::array<char, kCells>& cells, int thing, int score, Position& out);

// Points still to be had: a level can never end above score + this.
int freshPoints(const Position& p);

// One click of a line: left slides, right sends.
struct Click {
  std::uint8_t index = 0;
  bool right = false;
  friend bool operator==(Click, Click) = default;
};

}  // namespace gorbix::solver
