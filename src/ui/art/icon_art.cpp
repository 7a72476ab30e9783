// The window icon: the Thing's gem in the icon's own colours, at any size.
#include <QColor>
#include <QPixmap>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/art/tile_art.h"

namespace gorbix::art {

namespace {

constexpr QRgb kField = qRgb(0, 128, 128);
constexpr QRgb kGem = qRgb(0, 255, 255);
constexpr QRgb kOutline = qRgb(0, 0, 0);
constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kCross = qRgb(255, 255, 255);
constexpr QRgb kCrossEdge = qRgb(0, 0, 255);

// The motif is designed on 31 of the 32 pixels: the icon's mask leaves the
// bottom row and the right column clear, at every size.
constexpr int kDesignMotif = kIconSize - 1;

// Line widths and lengths are rescaled from the 32 px design in whole device
// pixels, so a large icon is drawn anew rather than blown up, and no line of
// a small one vanishes.
struct IconGeometry {
  int motif;       // pixels covered, odd so the gem has a centre pixel
  int centre;
  int line;        // outline and inner line width
  int halfBar;     // half width of the diagonals and the cross, around the centre pixel
  int crossReach;  // half length of the white cross
  int crossEdge;   // blue border round the cross

  explicit IconGeometry(int size) {
    const int margin = size % 2 == 0 ? 1 : 2;
    motif = std::max(size - margin, 1);
    centre = (motif - 1) / 2;
    const double scale = static_cast<double>(motif) / kDesignMotif;
    line = std::max(1, static_cast<int>(std::lround(scale)));
    halfBar = static_cast<int>(std::floor(scale / 2.0));
    crossReach = std::max(1, static_cast<int>(std::lround(2.5 * scale - 0.5)));
    crossEdge = line;
  }
};

QRgb iconPixel(const IconGeometry& g, int x, int y) {
  const int dx = std::abs(x - g.centre), dy = std::abs(y - g.centre);
  auto inCross = [&](int grow) {
    return (dx <= g.crossReach + grow && dy <= g.halfBar + grow) ||
           (dy <= g.crossReach + grow && dx <= g.halfBar + grow);
  };
  const int fromRim = g.centre - (dx + dy);
  if (fromRim < 0) return kField;
  if (fromRim < g.line) return kOutline;
  if (fromRim < 2 * g.line) return kNavy;
  if (inCross(0)) return kCross;
  if (inCross(g.crossEdge)) return kCrossEdge;
  if (dx <= g.halfBar || dy <= g.halfBar) return kNavy;
  return kGem;
}

}  // namespace

QImage drawIcon(int size) {
  size = std::clamp(size, 1, 1024);
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  const IconGeometry geometry(size);
  for (int y = 0; y < geometry.motif; ++y)
    for (int x = 0; x < geometry.motif; ++x) icon.setPixel(x, y, iconPixel(geometry, x, y));
  return icon;
}

namespace {

QString hex(QRgb colour) { return QColor(colour).name(QColor::HexRgb); }

// A square turned by 45 degrees round the motif's centre: the edge of the
// pixels whose steps from the centre, across plus down, are within `steps`.
QString diamondPoints(double centre, int steps) {
  const double r = steps + 0.5;
  return QStringLiteral("%1,%2 %3,%1 %1,%3 %2,%1").arg(centre).arg(centre - r).arg(centre + r);
}

QString diamond(double centre, int steps, QRgb colour) {
  return QStringLiteral(R"(<polygon points="%1" fill="%2"/>)").arg(diamondPoints(centre, steps), hex(colour));
}

// The pixels within `halfWidth` of the centre one way and `halfLength` the other.
QString bar(double centre, int halfWidth, int halfLength, bool upright, QRgb colour) {
  const int w = 2 * halfWidth + 1, l = 2 * halfLength + 1;
  const double x = centre - 0.5 - (upright ? halfWidth : halfLength);
  const double y = centre - 0.5 - (upright ? halfLength : halfWidth);
  return QStringLiteral(R"(<rect x="%1" y="%2" width="%3" height="%4" fill="%5"/>)")
      .arg(x)
      .arg(y)
      .arg(upright ? w : l)
      .arg(upright ? l : w)
      .arg(hex(colour));
}

}  // namespace

QString iconSvg() {
  const IconGeometry g(kSvgDesignSize);
  const double centre = g.centre + 0.5;  // pixel centres lie half a pixel in
  const int inner = g.centre - 2 * g.line;
  QStringList parts;
  parts << QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>)")
        << QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1" viewBox="0 0 %1 %1">)")
               .arg(kSvgDesignSize)
        << QStringLiteral(R"(<defs><clipPath id="gem"><polygon points="%1"/></clipPath></defs>)")
               .arg(diamondPoints(centre, inner))
        << QStringLiteral(R"(<rect width="%1" height="%1" fill="%2"/>)").arg(g.motif).arg(hex(kField))
        << diamond(centre, g.centre, kOutline) << diamond(centre, g.centre - g.line, kNavy)
        << diamond(centre, inner, kGem) << QStringLiteral("<g clip-path=\"url(#gem)\">")
        << bar(centre, g.halfBar, inner, true, kNavy) << bar(centre, g.halfBar, inner, false, kNavy)
        << bar(centre, g.halfBar + g.crossEdge, g.crossReach + g.crossEdge, true, kCrossEdge)
        << bar(centre, g.halfBar + g.crossEdge, g.crossReach + g.crossEdge, false, kCrossEdge)
        << bar(centre, g.halfBar, g.crossReach, true, kCross) << bar(centre, g.halfBar, g.crossReach, false, kCross)
        << QStringLiteral("</g>") << QStringLiteral("</svg>");
  return parts.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QIcon windowIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(drawIcon(size)));
  return icon;
}

}  // namespace gorbix::art
