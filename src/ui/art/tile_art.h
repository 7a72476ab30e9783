// The tile strip, the Thing and the window icon, drawn by code.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace gorbix::art {

inline constexpr int kTileSize = 45;
inline constexpr int kStripWidth = 360;   // 8 cells
inline constexpr int kStripHeight = 180;  // 4 cells
inline constexpr int kThingSize = 29;
inline constexpr int kIconSize = 32;

// The 360 x 180 strip of 8 x 4 tile cells in code order from "A"; drawn at
// devicePixelRatio times the pixels, with that ratio set on the image, so a
// high-density display gets a sharp picture of the same logical size.
QImage drawStrip(qreal devicePixelRatio = 1.0);

// One tile's picture: its cell of the strip, at the given ratio.
QPixmap tilePixmap(char code, qreal devicePixelRatio = 1.0);

// The 29 x 29 Thing.
QImage drawThing(qreal devicePixelRatio = 1.0);

// The window icon's motif at size x size pixels (32 is the designed size).
QImage drawIcon(int size = kIconSize);
// The icon at every size a window or a desktop may ask for.
QIcon windowIcon();

// The icon as scalable SVG text, drawn from the geometry of the bitmap of
// kSvgDesignSize pixels, so that one rendered at that size matches it.
inline constexpr int kSvgDesignSize = 256;
QString iconSvg();

}  // namespace gorbix::art
