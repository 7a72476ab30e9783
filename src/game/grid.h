// An 8 x 6 grid addressed like the board: (col, row), both 1-based.
#pragma once

#include <array>
#include <cassert>

#include "game/tiles.h"

namespace gorbix {

template <class T>
class Grid {
 public:
  T& operator()(int col, int row) {
    assert(OnBoard(col, row));
    return cells_[static_cast<std::size_t>(CellToIndex(col, row))];
  }
  const T& operator()(int col, int row) const {
    assert(OnBoard(col, row));
    return cells_[static_cast<std::size_t>(CellToIndex(col, row))];
  }
  T& atIndex(int index) { return cells_[static_cast<std::size_t>(index)]; }
  const T& atIndex(int index) const { return cells_[static_cast<std::size_t>(index)]; }

  void fill(const T& value) { cells_.fill(value); }
  auto begin() { return cells_.begin(); }
  auto end() { return cells_.end(); }
  auto begin() const { return cells_.begin(); }
  auto end() const { return cells_.end(); }

  friend bool operator==(const Grid&, const Grid&) = default;

 private:
  std::array<T, kCells> cells_{};
};

}  // namespace gorbix
