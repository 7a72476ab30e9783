#include "sketch.h"

#include <QLineF>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <utility>

#include "page_style.h"
#include "ui/art/tile_art.h"

namespace gorbix::tutorial {

void drawTile(QPainter& p, const QRect& r, char code) {
  // Drawn at twice the size and scaled down, so small tiles stay sharp.
  p.drawPixmap(r, art::tilePixmap(code, r.width() == art::kTileSize ? 1.0 : 2.0));
}

void drawThingOn(QPainter& p, const QRect& tile) {
  const int side = (tile.width() * art::kThingSize + art::kTileSize / 2) / art::kTileSize;
  const QRect r(tile.x() + (tile.width() - side) / 2, tile.y() + (tile.height() - side) / 2, side, side);
  p.drawImage(r, art::drawThing(side == art::kThingSize ? 1.0 : 2.0));
}

BoardSketch::BoardSketch(QPoint topLeft, int tileSize, QStringList rows)
    : topLeft_(topLeft), size_(tileSize), rows_(std::move(rows)) {}

QRect BoardSketch::cell(int col, int row) const {
  return {topLeft_.x() + (col - 1) * size_, topLeft_.y() + (row - 1) * size_, size_, size_};
}

QRect BoardSketch::bounds() const {
  const int cols = rows_.isEmpty() ? 0 : static_cast<int>(rows_.front().size());
  return {topLeft_, QSize(cols * size_, static_cast<int>(rows_.size()) * size_)};
}

void BoardSketch::draw(QPainter& p) const {
  for (int r = 0; r < rows_.size(); ++r) {
    const QString& line = rows_.at(r);
    for (int c = 0; c < line.size(); ++c) drawTile(p, cell(c + 1, r + 1), line.at(c).toLatin1());
  }
  p.setPen(QPen(QColor(0, 64, 0), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(bounds().adjusted(-1, -1, 0, 0));
}

void drawMouse(QPainter& p, QPoint at, Click button) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // The body hangs below and to the right of the point it clicks.
  const QRectF body(at.x() + 4, at.y() + 4, 17, 24);
  QPainterPath shell;
  shell.addRoundedRect(body, 8, 8);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(QColor(245, 245, 245));
  p.drawPath(shell);
  const QRectF half(button == Click::Left ? body.x() : body.center().x(), body.y(), body.width() / 2, 10);
  QPainterPath lit;
  lit.addRect(half);
  p.setBrush(QColor(255, 120, 0));
  p.drawPath(shell.intersected(lit));
  p.drawLine(QPointF(body.x(), body.y() + 10), QPointF(body.right(), body.y() + 10));
  p.drawLine(QPointF(body.center().x(), body.y()), QPointF(body.center().x(), body.y() + 10));
  // A short lead from the mouse to the spot it clicks.
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  p.drawLine(QPointF(at), body.topLeft() + QPointF(2, 2));
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(QPointF(at), 2, 2);
  p.restore();
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QLineF line(from, to);
  const qreal head = 4 + 2 * width;
  const qreal angle = std::atan2(from.y() - to.y(), from.x() - to.x());
  const QPointF left(to.x() + head * std::cos(angle + 0.45), to.y() + head * std::sin(angle + 0.45));
  const QPointF right(to.x() + head * std::cos(angle - 0.45), to.y() + head * std::sin(angle - 0.45));
  const QPointF base((left.x() + right.x()) / 2, (left.y() + right.y()) / 2);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, base);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF{{to, left, right}});
  p.restore();
}

void drawRoute(QPainter& p, const std::vector<QPoint>& points) {
  if (points.size() < 2) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path(points.front());
  for (std::size_t i = 1; i + 1 < points.size(); ++i) path.lineTo(points[i]);
  // Stop the line short of the last centre so the arrowhead sits on it.
  const QLineF last(points[points.size() - 2], points.back());
  const QPointF end = last.pointAt(std::max(0.0, 1.0 - 14.0 / last.length()));
  path.lineTo(end);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(90, 50, 0), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(kRoute, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.restore();
  drawArrow(p, end, points.back(), kRoute, 4);
}

void markCell(QPainter& p, const QRect& cell, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, 3, Qt::SolidLine));
  p.drawRect(cell.adjusted(-1, -1, 0, 0));
  p.restore();
}

}  // namespace gorbix::tutorial
