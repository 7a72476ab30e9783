// The board's geometry and the tile table: codes, open sides, points.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace gorbix {

inline constexpr int kCols = 8;
inline constexpr int kRows = 6;
inline constexpr int kCells = kCols * kRows;
inline constexpr int kLevels = 25;

inline constexpr char kHole = 'X';
inline constexpr char kBlocker = 'H';
// A taken bonus leaves a visited left-right straight, not its own visited form.
inline constexpr char kTakenBonus = 'W';
// Visited form = fresh code + 16; "H" + 16 is the hole, never a visited blocker.
inline constexpr int kVisitedOffset = 16;

struct Cell {
  std::int16_t col = 0;
  std::int16_t row = 0;
  friend bool operator==(Cell, Cell) = default;
};

inline constexpr Cell kStartCell{1, 1};
inline constexpr Cell kGoalCell{8, 6};

inline bool OnBoard(int col, int row) { return col >= 1 && col <= kCols && row >= 1 && row <= kRows; }

// Tile image index 0..47, numbered left to right, then top to bottom.
int CellToIndex(int col, int row);
Cell IndexToCell(int index);

// The 1-based column and row of a code's picture in the 8 x 4 picture strip.
struct StripCell {
  int col = 0;
  int row = 0;
  friend bool operator==(StripCell, StripCell) = default;
};
StripCell LetterToStripCell(char code);

// Every code from "A" to the grave accent is in the table.
bool IsTileCode(char code);
inline bool IsFresh(char code) { return code >= 'A' && code <= 'P'; }
inline bool IsBonus(char code) { return code >= 'M' && code <= 'P'; }

// Open sides in the order u, d, l, r, or "x"; empty for a code not in the table.
std::string_view TileOpenings(char code);

// Points the first visit to a fresh code pays (0 for anything else).
int TilePoints(char code);

}  // namespace gorbix
