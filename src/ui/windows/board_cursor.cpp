#include "ui/windows/board_cursor.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>

#include "ui/windows/main_layout.h"

namespace gorbix {

void BoardCursor::step(int dCol, int dRow, Cell thing) {
  if (!visible_) {
    if (!placed_) cell_ = thing;
    placed_ = true;
    visible_ = true;
    return;
  }
  cell_.col = static_cast<std::int16_t>(std::clamp(cell_.col + dCol, 1, kCols));
  cell_.row = static_cast<std::int16_t>(std::clamp(cell_.row + dRow, 1, kRows));
}

void BoardCursor::placeAt(Cell cell) {
  if (!OnBoard(cell.col, cell.row)) return;
  cell_ = cell;
  placed_ = true;
  visible_ = true;
}

void BoardCursor::setCell(Cell cell) {
  if (!OnBoard(cell.col, cell.row)) return;
  cell_ = cell;
  placed_ = true;
}

void drawCursorFrame(QPainter& painter, const QRect& cell, const Zoom& zoom) {
  const int edge = std::max(1, zoom.at(kCursorEdgeWidth));
  const int band = std::max(kCursorBandWidth, zoom.at(kCursorBandWidth));
  painter.save();
  painter.setPen(Qt::NoPen);
  // Outer edge, light band, inner edge: each a ring filled inside the last.
  QRect ring = cell;
  for (const auto& [width, colour] : {std::pair{edge, kCursorEdgeColour}, std::pair{band, kCursorBandColour},
                                      std::pair{edge, kCursorEdgeColour}}) {
    const QRect inner = ring.adjusted(width, width, -width, -width);
    QRegion region(ring);
    region -= QRegion(inner);
    painter.setClipRegion(region);
    painter.fillRect(ring, colour);
    ring = inner;
  }
  painter.restore();
}

}  // namespace gorbix
