// The picture strip of every tile face, and the tile pictures cut from it.
#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <utility>

#include "game/tiles.h"
#include "ui/art/pixel_canvas.h"
#include "ui/art/tile_art.h"

namespace gorbix::art {

namespace {

constexpr TilePalette kDesigned{
    {qRgb(0, 230, 0), qRgb(0, 128, 0), qRgb(0, 183, 0)},
    {qRgb(255, 132, 132), qRgb(202, 0, 0), qRgb(255, 77, 77)},
    qRgb(0, 128, 255),
    qRgb(0, 96, 0),
    qRgb(192, 192, 192),
    qRgb(128, 128, 128),
    false,
    0,
};
// Light green, dusky rose and deep blue sit far apart in lightness, so the
// three faces stay apart whichever kind of cone is missing; the dots on the
// visited faces need no colour vision at all.
constexpr TilePalette kColourSafe{
    {qRgb(214, 255, 160), qRgb(88, 164, 20), qRgb(150, 240, 70)},
    {qRgb(244, 184, 208), qRgb(156, 60, 100), qRgb(216, 120, 156)},
    qRgb(0, 0, 168),
    qRgb(24, 32, 56),
    qRgb(192, 192, 192),
    qRgb(128, 128, 128),
    true,
    qRgb(112, 36, 72),
};

constexpr int kLast = kTileSize - 1;  // 44
constexpr int kBevel = 3;
constexpr int kFaceFirst = 5;
constexpr int kFaceLast = 39;
constexpr int kBandFirst = 20;
constexpr int kBandLast = 24;

// Outline, bevel with its mitres, the line around the face, and the face.
QRgb bodyPixel(int x, int y, const FaceColours& colours, QRgb line) {
  const int fromEdge = std::min({x, y, kLast - x, kLast - y});
  if (fromEdge == 0 || fromEdge == kFaceFirst - 1) return line;
  if (fromEdge >= kFaceFirst) return colours.face;
  // Inside the bevel the nearest side decides; where two neighbouring sides
  // are equally near, the pixel lies on a corner's mitre.
  const int top = y - 1, left = x - 1, bottom = kLast - 1 - y, right = kLast - 1 - x;
  const int nearest = std::min({top, left, bottom, right});
  const bool onTop = top == nearest, onLeft = left == nearest;
  const bool onBottom = bottom == nearest, onRight = right == nearest;
  if ((onTop || onBottom) && (onLeft || onRight)) return line;
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

void drawTrack(PixelCanvas& canvas, int ox, int oy, const Mask& band, const TilePalette& palette) {
  for (int y = 0; y <= kLast; ++y) {
    for (int x = 0; x <= kLast; ++x) {
      if (band[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
        // The groove's upper and left walls throw a shadow on the band,
        // which also turns the corner wherever two arms meet.
        const bool shadow = !inBand(band, x - 1, y) || !inBand(band, x, y - 1) || !inBand(band, x - 2, y) || !inBand(band, x, y - 2);
        canvas.set(ox + x, oy + y, shadow ? palette.trackShadow : palette.track);
        continue;
      }
      bool touches = false;
      for (int dy = -1; dy <= 1 && !touches; ++dy)
        for (int dx = -1; dx <= 1 && !touches; ++dx) {
          const int nx = x + dx, ny = y + dy;
          touches = nx >= 0 && ny >= 0 && nx <= kLast && ny <= kLast &&
                    band[static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)];
        }
      if (touches) canvas.set(ox + x, oy + y, palette.line);
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
void drawFigures(PixelCanvas& canvas, int ox, int oy, std::string_view text, QRgb colour) {
  constexpr int kTop = 8;
  constexpr int kGap = 1;
  const int width = static_cast<int>(text.size()) * (kGlyphWidth + kGap) - kGap;
  int left = (kTileSize - width) / 2;
  for (const char digit : text) {
    if (const Glyph* glyph = glyphFor(digit)) {
      for (int y = 0; y < kGlyphHeight; ++y)
        for (int x = 0; x < kGlyphWidth; ++x)
          if ((*glyph)[static_cast<std::size_t>(y)][x] == '#') canvas.set(ox + left + x, oy + kTop + y, colour);
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

// A 2 x 2 dot at the same four places in each quarter of the face that the
// track leaves free, so the pattern shows on every visited tile.
void drawVisitedMark(PixelCanvas& canvas, int ox, int oy, QRgb colour) {
  constexpr std::array<int, 4> kDots{8, 14, 29, 35};
  for (const int y : kDots)
    for (const int x : kDots) canvas.fill(QRect(ox + x, oy + y, 2, 2), colour);
}

// The tile of `code` with its top-left corner at (ox, oy) of the canvas.
void drawTile(PixelCanvas& canvas, int ox, int oy, char code, const TilePalette& palette) {
  if (code == kHole) {
    canvas.fill(QRect(ox, oy, kTileSize, kTileSize), palette.hole);
    return;
  }
  const bool fresh = IsFresh(code);
  const FaceColours& colours = fresh ? palette.fresh : palette.visited;
  for (int y = 0; y <= kLast; ++y)
    for (int x = 0; x <= kLast; ++x) canvas.set(ox + x, oy + y, bodyPixel(x, y, colours, palette.line));
  if (!fresh && palette.markVisited) drawVisitedMark(canvas, ox, oy, palette.mark);
  drawTrack(canvas, ox, oy, trackBand(TileOpenings(code)), palette);
  if (IsBonus(code)) drawFigures(canvas, ox, oy, bonusFigures(code), palette.line);
}

// A code outside the table shows the hole rather than a stray cell.
char drawableCode(char code) { return IsTileCode(code) ? code : kHole; }

}  // namespace

const TilePalette& tilePalette(TileLook look) { return look == TileLook::ColourSafe ? kColourSafe : kDesigned; }

QImage drawStrip(qreal devicePixelRatio, TileLook look) {
  const TilePalette& palette = tilePalette(look);
  PixelCanvas canvas(kStripWidth, kStripHeight, palette.hole);
  for (char code = 'A'; code <= '`'; ++code) {
    const StripCell cell = LetterToStripCell(code);
    drawTile(canvas, (cell.col - 1) * kTileSize, (cell.row - 1) * kTileSize, code, palette);
  }
  return canvas.toImage(devicePixelRatio);
}

QPixmap tilePixmap(char code, QSize size, qreal devicePixelRatio, TileLook look) {
  if (size == QSize(kTileSize, kTileSize)) return tilePixmap(code, devicePixelRatio, look);
  PixelCanvas canvas(kTileSize, kTileSize, 0);
  drawTile(canvas, 0, 0, drawableCode(code), tilePalette(look));
  return QPixmap::fromImage(canvas.toImage(size, devicePixelRatio));
}

QPixmap tilePixmap(char code, qreal devicePixelRatio, TileLook look) {
  const qreal ratio = usableRatio(devicePixelRatio);
  static std::map<std::pair<qreal, TileLook>, QImage> strips;  // GUI thread only, like every pixmap
  auto found = strips.find({ratio, look});
  if (found == strips.end()) found = strips.emplace(std::pair(ratio, look), drawStrip(ratio, look)).first;
  const StripCell cell = LetterToStripCell(drawableCode(code));
  const QRect logical((cell.col - 1) * kTileSize, (cell.row - 1) * kTileSize, kTileSize, kTileSize);
  const QImage& strip = found->second;
  const qreal scale = strip.devicePixelRatio();
  const QRect device(QPoint(qRound(logical.left() * scale), qRound(logical.top() * scale)),
                     QPoint(qRound((logical.right() + 1) * scale) - 1, qRound((logical.bottom() + 1) * scale) - 1));
  QImage tile = strip.copy(device);
  tile.setDevicePixelRatio(scale);
  return QPixmap::fromImage(tile);
}

}  // namespace gorbix::art
