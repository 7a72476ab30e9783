// How a hint looks on its tile: white brackets in the tile's corners and
// outlined chevrons in the corners of its face. The middle of every side,
// where track runs out, the centre lines, where track runs, and the top
// middle, where a bonus tile has its figures, stay uncovered, and so does
// most of the Thing; the keyboard cursor's yellow ring looks nothing like it.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace gorbix::art {

// Which way the tiles will slide, or a send.
enum class HintMark { SlideUp, SlideDown, SlideLeft, SlideRight, Send };

// A light band edged in dark: on every face one of the two stands out.
inline constexpr QColor kHintLight{255, 255, 255};
inline constexpr QColor kHintDark{24, 24, 24};

// The bracket's light band and dark edge for a tile of `tileSize` pixels:
// never thinner than 3 and 1 pixels.
int hintBandWidth(int tileSize);
int hintEdgeWidth(int tileSize);

// Draws the mark of `tile`; the dark edge reaches hintEdgeWidth() pixels
// beyond the tile.
void drawHintMark(QPainter& painter, const QRect& tile, HintMark mark);

}  // namespace gorbix::art
