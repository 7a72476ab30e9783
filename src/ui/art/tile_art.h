// The tile strip, the Thing and the window icon, drawn by code.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QSize>

namespace gorbix::art {

inline constexpr int kTileSize = 45;
inline constexpr int kStripWidth = 360;   // 8 cells
inline constexpr int kStripHeight = 180;  // 4 cells
inline constexpr int kThingSize = 29;
inline constexpr int kIconSize = 32;

// The faces as designed, green fresh and red visited; or in colours that
// colour-blind players tell apart too, with a pattern on the visited faces.
enum class TileLook { Designed, ColourSafe };

struct FaceColours {
  QRgb light;  // bevel, top and left
  QRgb dark;   // bevel, bottom and right
  QRgb face;
};
struct TilePalette {
  FaceColours fresh;    // also the bonus tiles and the tile without track
  FaceColours visited;
  QRgb hole;
  QRgb line;  // outline, mitres, the track's edges and the bonus figures
  QRgb track;
  QRgb trackShadow;
  bool markVisited;  // dots on the visited faces, seen without colour
  QRgb mark;
};
// The colours the painter uses for a look.
const TilePalette& tilePalette(TileLook look);

// The 360 x 180 strip of 8 x 4 tile cells in code order from "A"; drawn at
// devicePixelRatio times the pixels, with that ratio set on the image, so a
// high-density display gets a sharp picture of the same logical size.
QImage drawStrip(qreal devicePixelRatio = 1.0, TileLook look = TileLook::Designed);

// One tile's picture: its cell of the strip, at the given ratio.
QPixmap tilePixmap(char code, qreal devicePixelRatio = 1.0, TileLook look = TileLook::Designed);
// One tile's picture at size logical pixels, drawn anew in whole blocks of
// device pixels rather than stretched; at 45 x 45 it is the strip's cell.
QPixmap tilePixmap(char code, QSize size, qreal devicePixelRatio, TileLook look);

// The 29 x 29 Thing, or the Thing drawn to fill size logical pixels.
QImage drawThing(qreal devicePixelRatio = 1.0);
QImage drawThing(QSize size, qreal devicePixelRatio);

// The window icon's motif at size x size pixels (32 is the designed size).
QImage drawIcon(int size = kIconSize);
// The icon at every size a window or a desktop may ask for.
QIcon windowIcon();

// The icon as scalable SVG text, drawn from the geometry of the bitmap of
// kSvgDesignSize pixels, so that one rendered at that size matches it.
inline constexpr int kSvgDesignSize = 256;
QString iconSvg();

}  // namespace gorbix::art
