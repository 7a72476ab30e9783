// The Thing: a faceted blue gem on a raised plate.
#include <cstdlib>

#include "ui/art/pixel_canvas.h"
#include "ui/art/tile_art.h"

namespace gorbix::art {

namespace {

constexpr QRgb kEdgeLight = qRgb(0, 0, 215);
constexpr QRgb kEdgeDark = qRgb(0, 0, 128);
constexpr QRgb kField = qRgb(0, 99, 128);
constexpr QRgb kDiagonal = qRgb(0, 0, 128);
constexpr QRgb kFacetTopLeft = qRgb(87, 87, 255);
constexpr QRgb kFacetSide = qRgb(64, 64, 255);  // top right and bottom left
constexpr QRgb kFacetBottomRight = qRgb(0, 0, 215);
constexpr QRgb kSparkleCore = qRgb(255, 255, 255);
constexpr QRgb kSparkleInner = qRgb(0, 255, 255);
constexpr QRgb kSparkleOuter = qRgb(0, 208, 208);

constexpr int kLast = kThingSize - 1;
constexpr int kCentre = kThingSize / 2;  // 14
// The diamond's corners reach the pixel just inside the plate's edge.
constexpr int kDiamondRadius = kCentre - 1;

QRgb thingPixel(int x, int y) {
  if (x == kLast || y == kLast) return kEdgeDark;
  if (x == 0 || y == 0) return kEdgeLight;
  const int dx = x - kCentre, dy = y - kCentre;
  if (std::abs(dx) + std::abs(dy) > kDiamondRadius) return kField;
  // The sparkle lies on the diagonals, so it is checked before them.
  const int armDistance = dx == 0 ? std::abs(dy) : dy == 0 ? std::abs(dx) : -1;
  if (armDistance >= 0 && armDistance <= 1) return kSparkleCore;
  if (armDistance == 2) return kSparkleInner;
  if (armDistance == 3) return kSparkleOuter;
  if (dx == 0 || dy == 0) return kDiagonal;
  if (dx < 0 && dy < 0) return kFacetTopLeft;
  if (dx > 0 && dy > 0) return kFacetBottomRight;
  return kFacetSide;
}

}  // namespace

QImage drawThing(QSize size, qreal devicePixelRatio) {
  PixelCanvas canvas(kThingSize, kThingSize, kField);
  for (int y = 0; y < kThingSize; ++y)
    for (int x = 0; x < kThingSize; ++x) canvas.set(x, y, thingPixel(x, y));
  return canvas.toImage(size, devicePixelRatio);
}

QImage drawThing(qreal devicePixelRatio) { return drawThing(QSize(kThingSize, kThingSize), devicePixelRatio); }

}  // namespace gorbix::art
