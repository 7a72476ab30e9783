// The hint's mark on a tile: which one a click gets, and how it is drawn.
#include <cmath>

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/hint.h"
#include "ui/windows/hint_marks.h"

namespace gorbix {
namespace {

struct MarkCase {
  int hole;  // image index
  solver::Click click;
  HintMark mark;
};

TEST(HintMark, TheArrowPointsTheWayTheTilesSlideTowardsTheHole) {
  // The hole at (4, 3), index 19; the clicks in its row and its column,
  // next to it and at the board's edges.
  for (const MarkCase c : {MarkCase{19, {18, false}, HintMark::SlideRight}, {19, {16, false}, HintMark::SlideRight},
                           {19, {20, false}, HintMark::SlideLeft}, {19, {23, false}, HintMark::SlideLeft},
                           {19, {11, false}, HintMark::SlideDown}, {19, {3, false}, HintMark::SlideDown},
                           {19, {27, false}, HintMark::SlideUp}, {19, {43, false}, HintMark::SlideUp},
                           {0, {1, false}, HintMark::SlideLeft}, {0, {40, false}, HintMark::SlideUp},
                           {47, {46, false}, HintMark::SlideRight}, {47, {7, false}, HintMark::SlideDown},
                           {19, {20, true}, HintMark::Send}, {19, {0, true}, HintMark::Send}}) {
    solver::Position position;
    position.hole = static_cast<std::int8_t>(c.hole);
    EXPECT_EQ(hintMarkFor(position, c.click), c.mark) << "hole " << c.hole << ", click " << int{c.click.index};
  }
}

// A mark drawn on a plain tile-coloured area, as the window draws it.
class DrawnMark {
 public:
  DrawnMark(HintMark mark, const Zoom& zoom, const QColor& tileColour) {
    area_.setAutoFillBackground(true);
    QPalette palette = area_.palette();
    palette.setColor(QPalette::Window, tileColour);
    area_.setPalette(palette);
    area_.resize(zoom.at(QSize(200, 200)));
    tile_ = zoom.at(QRect(60, 60, 45, 45));
    auto* widget = new HintTileMark(&area_);
    widget->place(tile_, mark, zoom.factor());
    widget->show();
    image_ = area_.grab().toImage();
  }
  const QImage& image() const { return image_; }
  const QRect& tile() const { return tile_; }
  bool light(int x, int y) const { return image_.pixelColor(x, y) == hintLight(); }
  bool dark(int x, int y) const { return image_.pixelColor(x, y) == hintDark(); }

 private:
  QWidget area_;
  QRect tile_;
  QImage image_;
};

TEST(HintMark, TheFrameIsALightBandAtLeast3PxWideWithADarkEdgeOnEveryTile) {
  for (const int percent : {100, 150, 200, 300}) {
    for (const QColor& tileColour : {QColor(0, 160, 0), QColor(200, 0, 0), QColor(0, 128, 255)}) {
      SCOPED_TRACE(std::to_string(percent) + " % on " + tileColour.name().toStdString());
      const DrawnMark drawn(HintMark::Send, Zoom(percent), tileColour);
      const QRect tile = drawn.tile();
      const int midY = tile.center().y();
      const int midX = tile.center().x();
      // From each side of the tile inwards: dark outside, then the band, then dark.
      struct Side {
        int dx, dy;
        QPoint edge;
      };
      for (const Side side : {Side{1, 0, {tile.left(), midY}}, Side{-1, 0, {tile.right(), midY}},
                              Side{0, 1, {midX, tile.top()}}, Side{0, -1, {midX, tile.bottom()}}}) {
        const QPoint outside = side.edge - QPoint(side.dx, side.dy);
        EXPECT_TRUE(drawn.dark(outside.x(), outside.y()));
        int band = 0;
        QPoint p = side.edge;
        while (drawn.light(p.x(), p.y()) && band < 50) {
          ++band;
          p += QPoint(side.dx, side.dy);
        }
        EXPECT_GE(band, 3);
        EXPECT_TRUE(drawn.dark(p.x(), p.y()));
      }
    }
  }
}

// How many light pixels a line across the mark holds, the line crossing
// the axis (dx, dy) at `offset` tile widths from the tile's centre.
int crossWidth(const DrawnMark& drawn, int dx, int dy, double offset) {
  const QRect tile = drawn.tile();
  const QPointF centre = QRectF(tile).center();
  const QPointF at = centre + QPointF(dx, dy) * (offset * tile.width());
  int count = 0;
  // Inside the frame only.
  for (int t = -tile.width() / 3; t <= tile.width() / 3; ++t) {
    const QPointF p = at + QPointF(dy, dx) * t;
    if (drawn.light(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())))) ++count;
  }
  return count;
}

TEST(HintMark, AnArrowIsWidestTowardsTheWayItPoints) {
  struct Way {
    HintMark mark;
    int dx, dy;
  };
  for (const int percent : {100, 300}) {
    for (const Way w : {Way{HintMark::SlideLeft, -1, 0}, {HintMark::SlideRight, 1, 0}, {HintMark::SlideUp, 0, -1},
                        {HintMark::SlideDown, 0, 1}}) {
      SCOPED_TRACE(std::to_string(percent) + " %, mark " + std::to_string(static_cast<int>(w.mark)));
      const DrawnMark drawn(w.mark, Zoom(percent), QColor(0, 160, 0));
      const int ahead = crossWidth(drawn, w.dx, w.dy, 0.1);
      const int behind = crossWidth(drawn, w.dx, w.dy, -0.1);
      EXPECT_GT(behind, 0) << "the shaft";
      EXPECT_GT(ahead, behind * 3 / 2) << "the head";
    }
  }
}

TEST(HintMark, TheSendMarkFillsTheTilesMiddleBothWays) {
  for (const int percent : {100, 300}) {
    SCOPED_TRACE(percent);
    const DrawnMark drawn(HintMark::Send, Zoom(percent), QColor(200, 0, 0));
    EXPECT_GE(crossWidth(drawn, 1, 0, 0.0), 6 * percent / 100) << "ring and centre";
    EXPECT_GE(crossWidth(drawn, 0, 1, 0.0), 6 * percent / 100) << "ring and centre";
  }
}

}  // namespace
}  // namespace gorbix
