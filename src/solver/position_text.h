// The solver's text forms: a position as one line "CELLS [COL ROW [SCORE]]",
// and a line of clicks as "SCORE L17 R9 ...".
#pragma once

#include <string>
#include <string_view>

#include "solver/position.h"
#include "solver/solver.h"

namespace gorbix::solver {

struct ParsedPosition {
  bool ok = false;
  Position position;
  std::string error;  // which field, what was expected; empty when ok
};

// CELLS: the 48 codes in image-index order; COL ROW: the Thing's cell
// (default 1 1); SCORE: 0..32767 (default 100). Fields are separated by
// blanks; a carriage return at the end is ignored.
ParsedPosition parsePosition(std::string_view text);

// The position as parsePosition reads it back, every field written.
std::string positionText(const Position& p);

// "245 R9 L17": the score, then each click, L or R and its image index.
std::string lineText(const Line& line);

}  // namespace gorbix::solver
