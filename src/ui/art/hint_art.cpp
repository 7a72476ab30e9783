// The hint's mark on a tile.
#include "ui/art/hint_art.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/art/tile_art.h"

namespace gorbix::art {

namespace {

// In the 45 px tile's own pixels, pixel i lying from i to i + 1. The
// brackets' arms end before pixel 19, where a track's edge runs out of the
// tile; the chevrons, pen and all, keep to the face's corners, pixels 5 to
// 15 and 29 to 39 each way: between the track's arms and its edges (19 to
// 25) and clear of a bonus tile's figures (16 to 28 across, 8 to 16 down).
constexpr int kArm = 14;
constexpr double kNear = 10.5;
constexpr double kFar = kTileSize - kNear;
constexpr double kAlong = 2.0;   // half a chevron's depth
constexpr double kAcross = 3.0;  // half its width
constexpr double kLightPen = 2.0;
constexpr double kDarkPen = 4.0;

int scaled(double designed, int tileSize) { return static_cast<int>(std::lround(designed * tileSize / kTileSize)); }

// A chevron pointing along (dx, dy), centred on `at`.
QPainterPath chevron(QPointF at, int dx, int dy) {
  const QPointF along(dx * kAlong, dy * kAlong);
  const QPointF across(-dy * kAcross, dx * kAcross);
  QPainterPath path(at - along + across);
  path.lineTo(at + along);
  path.lineTo(at - along - across);
  return path;
}

// A corner pointing at the tile's centre from the face's corner `at`.
QPainterPath corner(QPointF at) {
  const double sx = at.x() < kTileSize / 2.0 ? 1 : -1;
  const double sy = at.y() < kTileSize / 2.0 ? 1 : -1;
  const QPointF tip = at + QPointF(sx * 3, sy * 3);
  QPainterPath path(tip - QPointF(0, sy * 6));
  path.lineTo(tip);
  path.lineTo(tip - QPointF(sx * 6, 0));
  return path;
}

QPainterPath markPath(HintMark mark) {
  QPainterPath path;
  auto pair = [&path](QPointF a, QPointF b, int dx, int dy) {
    path.addPath(chevron(a, dx, dy));
    path.addPath(chevron(b, dx, dy));
  };
  switch (mark) {
    case HintMark::SlideUp: pair({kNear, kNear}, {kFar, kNear}, 0, -1); break;
    case HintMark::SlideDown: pair({kNear, kFar}, {kFar, kFar}, 0, 1); break;
    case HintMark::SlideLeft: pair({kNear, kNear}, {kNear, kFar}, -1, 0); break;
    case HintMark::SlideRight: pair({kFar, kNear}, {kFar, kFar}, 1, 0); break;
    case HintMark::Send:
      for (const QPointF at : {QPointF(kNear, kNear), QPointF(kFar, kNear), QPointF(kNear, kFar), QPointF(kFar, kFar)}) {
        path.addPath(corner(at));
      }
      break;
  }
  return path;
}

void drawBrackets(QPainter& painter, const QRect& tile) {
  const int size = std::min(tile.width(), tile.height());
  const int band = hintBandWidth(size);
  const int edge = hintEdgeWidth(size);
  const int arm = scaled(kArm, size);
  std::array<QRect, 8> arms;
  std::size_t n = 0;
  for (const bool right : {false, true}) {
    for (const bool bottom : {false, true}) {
      const int x = right ? tile.right() + 1 - arm : tile.left();
      const int y = bottom ? tile.bottom() + 1 - band : tile.top();
      arms[n++] = QRect(x, y, arm, band);
      arms[n++] = QRect(right ? tile.right() + 1 - band : tile.left(), bottom ? tile.bottom() + 1 - arm : tile.top(), band, arm);
    }
  }
  for (const QRect& r : arms) painter.fillRect(r.adjusted(-edge, -edge, edge, edge), kHintDark);
  for (const QRect& r : arms) painter.fillRect(r, kHintLight);
}

}  // namespace

int hintBandWidth(int tileSize) { return std::max(3, scaled(4, tileSize)); }

int hintEdgeWidth(int tileSize) { return std::max(1, scaled(1, tileSize)); }

void drawHintMark(QPainter& painter, const QRect& tile, HintMark mark) {
  painter.save();
  drawBrackets(painter, tile);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(tile.topLeft());
  painter.scale(tile.width() / static_cast<double>(kTileSize), tile.height() / static_cast<double>(kTileSize));
  const QPainterPath path = markPath(mark);
  painter.strokePath(path, QPen(kHintDark, kDarkPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.strokePath(path, QPen(kHintLight, kLightPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.restore();
}

}  // namespace gorbix::art
