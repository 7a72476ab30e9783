// Small drawings for the tutorial pages, made of the game's own pictures.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <vector>

namespace gorbix::tutorial {

void drawTile(QPainter& p, const QRect& r, char code);
// The Thing centred on the tile rectangle, at the game's proportions.
void drawThingOn(QPainter& p, const QRect& tile);

// A board fragment: one string of tile codes per row, tiles of size s.
class BoardSketch {
 public:
  BoardSketch(QPoint topLeft, int tileSize, QStringList rows);
  void draw(QPainter& p) const;
  // The rectangle and centre of cell (col, row), both counted from 1.
  QRect cell(int col, int row) const;
  QPoint centre(int col, int row) const { return cell(col, row).center(); }
  QRect bounds() const;

 private:
  QPoint topLeft_;
  int size_;
  QStringList rows_;
};

// A mouse seen from above with the pressed button lit, its tip at `at`.
enum class Click { Left, Right };
void drawMouse(QPainter& p, QPoint at, Click button);

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 3.0);
// The Thing's route through tile centres, ending in an arrowhead.
void drawRoute(QPainter& p, const std::vector<QPoint>& points);
// A dashed frame around a cell, to point at it.
void markCell(QPainter& p, const QRect& cell, const QColor& colour);

}  // namespace gorbix::tutorial
