// The picture strip of every tile face, and the tile pictures cut from it.
#include <QHash>

#include <algorithm>
#include <array>
#include <string_view>

#include "game/tiles.h"
#include "ui/art/pixel_canvas.h"
#include "ui/art/tile_art.h"

namespace gorbix::art {

namespace {

constexpr QRgb kDarkGreen = qRgb(0, 96, 0);
constexpr QRgb kTrackGrey = qRgb(192, 192, 192);
constexpr QRgb kTrackShadow = qRgb(128, 128, 128);
constexpr QRgb kHoleBlue = qRgb(0, 128, 255);

struct TileColours {
  QRgb light;  // bevel, top and left
  QRgb dark;   // bevel, bottom and right
  QRgb face;
};
constexpr TileColours kFresh{qRgb(0, 230, 0), qRgb(0, 128, 0), qRgb(0, 183, 0)};
constexpr TileColours kVisited{qRgb(255, 132, 132), qRgb(202, 0, 0), qRgb(255, 77, 77)};

constexpr int kLast = kTileSize - 1;  // 44
constexpr int kBevel = 3;
constexpr int kFaceFirst = 5;
constexpr int kFaceLast = 39;
constexpr int kBandFirst = 20;
constexpr int kBandLast = 24;

// Outline, bevel with its mitres, the line around the face, and the face.
QRgb bodyPixel(int x, int y, const TileColours& colours) {
  const int fromEdge = std::min({x, y, kLast - x, kLast - y});
  if (fromEdge == 0 || fromEdge == kFaceFirst - 1) return kDarkGreen;
  if (fromEdge >= kFaceFirst) return colours.face;
  // Inside the bevel the nearest side decides; where two neighbouring sides
  // are equally near, the pixel lies on a corner's mitre.
  const int top = y - 1, left = x - 1, bottom = kLast - 1 - y, right = kLast - 1 - x;
  const int nearest = std::min({top, left, bottom, right});
  const bool onTop = top == nearest, onLeft = left == nearest;
  const bool onBottom = bottom == nearest, onRight = right == nearest;
  if ((onTop || onBottom) && (onLeft || onRight)) return kDarkGreen;
  return onTop || onLeft ? colours.light : colours.dark;
}

using Mask = std::array<std::array<bool, kTileSize>, kTileSize>;  // [y][x]

// The band runs from the centre square out to every open side.
Mask trackBand(std::string_view openings) {
  Mask band{};
  auto mark = [&band](int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) band[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = true;
  };
  for (const char side : openings) {
    switch (side) {
      case 'u': mark(kBandFirst, 0, kBandLast, kBandLast); break;
      case 'd': mark(kBandFirst, kBandFirst, kBandLast, kLast); break;
      case 'l': mark(0, kBandFirst, kBandLast, kBandLast); break;
      case 'r': mark(kBandFirst, kBandFirst, kLast, kBandLast); break;
      default: break;
    }
  }
  return band;
}

// Off the tile the band carries on into the neighbour, so the edge of the
// cell never starts a shadow or an edge line.
bool inBand(const Mask& band, int x, int y) {
  if (x < 0 || y < 0 || x > kLast || y > kLast) return true;
  return band[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

void drawTrack(PixelCanvas& canvas, int ox, int oy, const Mask& band) {
  for (int y = 0; y <= kLast; ++y) {
    for (int x = 0; x <= kLast; ++x) {
      if (band[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
        // The groove's upper and left walls throw a shadow on the band,
        // which also turns the corner wherever two arms meet.
        const bool shadow = !inBand(band, x - 1, y) || !inBand(band, x, y - 1) || !inBand(band, x - 2, y) || !inBand(band, x, y - 2);
        canvas.set(ox + x, oy + y, shadow ? kTrackShadow : kTrackGrey);
        continue;
      }
      bool touches = false;
      for (int dy = -1; dy <= 1 && !touches; ++dy)
        for (int dx = -1; dx <= 1 && !touches; ++dx) {
          const int nx = x + dx, ny = y + dy;
          touches = nx >= 0 && ny >= 0 && nx <= kLast && ny <= kLast &&
                    band[static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)];
        }
      if (touches) canvas.set(ox + x, oy + y, kDarkGreen);
    }
  }
}

// Bold figures for the bonus values, 6 x 9 pixels each.
constexpr int kGlyphWidth = 6;
constexpr int kGlyphHeight = 9;
using Glyph = std::array<const char*, kGlyphHeight>;

const Glyph* glyphFor(char digit) {
  static constexpr Glyph kZero{".####.", "##..##", "##..##", "##..##", "##..##",
                               "##..##", "##..##", "##..##", ".####."};
  static constexpr Glyph kOne{"..##..", ".###..", "####..", "..##..", "..##..",
                              "..##..", "..##..", "..##..", "######"};
  static constexpr Glyph kTwo{".####.", "##..##", "....##", "...##.", "..##..",
                              ".##...", "##....", "##....", "######"};
  static constexpr Glyph kFive{"######", "##....", "##....", "#####.", "....##",
                               "....##", "....##", "##..##", ".####."};
  switch (digit) {
    case '0': return &kZero;
    case '1': return &kOne;
    case '2': return &kTwo;
    case '5': return &kFive;
    default: return nullptr;
  }
}

// Two figures with one pixel between them, centred over the band.
void drawFigures(PixelCanvas& canvas, int ox, int oy, std::string_view text) {
  constexpr int kTop = 8;
  constexpr int kGap = 1;
  const int width = static_cast<int>(text.size()) * (kGlyphWidth + kGap) - kGap;
  int left = (kTileSize - width) / 2;
  for (const char digit : text) {
    if (const Glyph* glyph = glyphFor(digit)) {
      for (int y = 0; y < kGlyphHeight; ++y)
        for (int x = 0; x < kGlyphWidth; ++x)
          if ((*glyph)[static_cast<std::size_t>(y)][x] == '#') canvas.set(ox + left + x, oy + kTop + y, kDarkGreen);
    }
    left += kGlyphWidth + kGap;
  }
}

std::string_view bonusFigures(char code) {
  switch (code) {
    case 'M': return "10";
    case 'N': return "15";
    case 'O': return "20";
    case 'P': return "25";
    default: return {};
  }
}

void drawTile(PixelCanvas& canvas, char code) {
  const StripCell cell = LetterToStripCell(code);
  const int ox = (cell.col - 1) * kTileSize;
  const int oy = (cell.row - 1) * kTileSize;
  if (code == kHole) {
    canvas.fill(QRect(ox, oy, kTileSize, kTileSize), kHoleBlue);
    return;
  }
  const TileColours& colours = IsFresh(code) ? kFresh : kVisited;
  for (int y = 0; y <= kLast; ++y)
    for (int x = 0; x <= kLast; ++x) canvas.set(ox + x, oy + y, bodyPixel(x, y, colours));
  drawTrack(canvas, ox, oy, trackBand(TileOpenings(code)));
  if (IsBonus(code)) drawFigures(canvas, ox, oy, bonusFigures(code));
}

}  // namespace

QImage drawStrip(qreal devicePixelRatio) {
  PixelCanvas canvas(kStripWidth, kStripHeight, kHoleBlue);
  for (char code = 'A'; code <= '`'; ++code) drawTile(canvas, code);
  return canvas.toImage(devicePixelRatio);
}

QPixmap tilePixmap(char code, qreal devicePixelRatio) {
  const qreal ratio = usableRatio(devicePixelRatio);
  static QHash<qreal, QImage> strips;  // GUI thread only, like every pixmap
  auto found = strips.find(ratio);
  if (found == strips.end()) found = strips.insert(ratio, drawStrip(ratio));
  // A code outside the table shows the hole rather than a stray cell.
  const StripCell cell = LetterToStripCell(IsTileCode(code) ? code : kHole);
  const QRect logical((cell.col - 1) * kTileSize, (cell.row - 1) * kTileSize, kTileSize, kTileSize);
  const QImage& strip = *found;
  const qreal scale = strip.devicePixelRatio();
  const QRect device(QPoint(qRound(logical.left() * scale), qRound(logical.top() * scale)),
                     QPoint(qRound((logical.right() + 1) * scale) - 1, qRound((logical.bottom() + 1) * scale) - 1));
  QImage tile = strip.copy(device);
  tile.setDevicePixelRatio(scale);
  return QPixmap::fromImage(tile);
}

}  // namespace gorbix::art
