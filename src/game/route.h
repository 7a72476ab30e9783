// Route tracing over the open sides of the board's tiles.
#pragma once

#include <string>
#include <string_view>

#include "game/grid.h"
#include "game/tiles.h"

namespace gorbix {

class ErrorTrap;

// The open-side text of one cell: up to four of "u", "d", "l", "r" (upper
// case while a walk in progress has used the side), or "x" for none.
// Held inline so that a search copies no heap memory.
class SideText {
 public:
  SideText() : SideText("x") {}
  SideText(std::string_view text);  // NOLINT: converts like the text it holds

  int size() const { return size_; }
  char operator[](int i) const { return chars_[static_cast<std::size_t>(i)]; }
  std::string_view view() const { return {chars_.data(), static_cast<std::size_t>(size_)}; }
  std::string str() const { return std::string(view()); }

  bool isX() const { return size_ == 1 && chars_[0] == 'x'; }
  bool contains(char c) const { return find(c) >= 0; }
  // 0-based position of c, -1 when absent. Case counts.
  int find(char c) const;

  void erase(int i);
  void setX() { *this = SideText("x"); }
  void upperAt(int i);
  void toLower();

  friend bool operator==(const SideText& a, const SideText& b) { return a.view() == b.view(); }

 private:
  std::array<char, 4> chars_{};
  int size_ = 0;
};

using OpeningsGrid = Grid<SideText>;
using BoardGrid = Grid<char>;

// Fills every cell from the tile table. A code missing from the table is an
// internal error ("STP"): its entry keeps what it held.
void ComputeOpenings(const BoardGrid& board, OpeningsGrid& openings, ErrorTrap& trap);

// Removes every side of the cell whose neighbour has no partner side.
void PruneCell(OpeningsGrid& openings, int col, int row, ErrorTrap& trap);

// One sweep of PruneCell, column by column, top to bottom.
void PruneOpenings(OpeningsGrid& openings, ErrorTrap& trap);

// Greedy search from `from` to `target`: heads for the target, prunes every
// dead end it walks into and starts again from `from` after each one. On
// success `path` holds one lower-case direction letter per move.
bool FindRoute(OpeningsGrid& openings, Cell from, Cell target, std::string& path);

}  // namespace gorbix
