// The keyboard cursor on the board: the cell it stands on, whether it is
// shown, how the keys move it, and the frame that marks its cell.
#pragma once

#include <QColor>
#include <QRect>

#include "game/tiles.h"

class QPainter;

namespace gorbix {

class Zoom;

class BoardCursor {
 public:
  bool visible() const { return visible_; }
  Cell cell() const { return cell_; }
  int index() const { return CellToIndex(cell_.col, cell_.row); }

  // An arrow key. A hidden cursor only shows itself, where it last was, or
  // on `thing` the first time, so the player sees where the keys act
  // before anything moves. The board's edges stop it.
  void step(int dCol, int dRow, Cell thing);
  // Home, End and the hint: the cursor shows on the cell given; a cell
  // off the board leaves it as it was.
  void placeAt(Cell cell);
  // The cell changes, the cursor stays in or out of sight.
  void setCell(Cell cell);
  // A mouse click: the cursor goes out of sight but keeps its cell.
  void hide() { visible_ = false; }

 private:
  Cell cell_ = kStartCell;
  bool placed_ = false;
  bool visible_ = false;
};

inline constexpr QColor kCursorEdgeColour{0, 0, 0};
inline constexpr QColor kCursorBandColour{255, 236, 64};
// Designed widths: the dark edges keep the light band apart from a light
// tile, the light band keeps the frame apart from the dark ones.
inline constexpr int kCursorEdgeWidth = 1;
inline constexpr int kCursorBandWidth = 3;

// The frame that marks the cursor's cell `cell` (in the painter's
// coordinates): a light band with a dark edge on both sides, so it shows
// on the green, red and blue tiles alike; never thinner than 3 px.
void drawCursorFrame(QPainter& painter, const QRect& cell, const Zoom& zoom);

}  // namespace gorbix
