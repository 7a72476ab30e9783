// The Thing's picture and the window icon against their descriptions.
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

#include "pixel_probe.h"
#include "ui/art/tile_art.h"

namespace gorbix::art {
namespace {

using test::colourAt;

TEST(Thing, IsA29PixelPlateWithARaisedEdge) {
  const QImage thing = drawThing();
  ASSERT_EQ(thing.size(), QSize(29, 29));
  EXPECT_FALSE(thing.hasAlphaChannel());
  for (int i = 0; i < 28; ++i) {
    EXPECT_EQ(colourAt(thing, i, 0), qRgb(0, 0, 215)) << i;
    EXPECT_EQ(colourAt(thing, 0, i), qRgb(0, 0, 215)) << i;
  }
  for (int i = 1; i < 29; ++i) {
    EXPECT_EQ(colourAt(thing, i, 28), qRgb(0, 0, 128)) << i;
    EXPECT_EQ(colourAt(thing, 28, i), qRgb(0, 0, 128)) << i;
  }
  // The teal field shows in the corners outside the diamond.
  for (const QPoint p : {QPoint(1, 1), QPoint(27, 1), QPoint(1, 27), QPoint(27, 27), QPoint(6, 6)})
    EXPECT_EQ(colourAt(thing, p.x(), p.y()), qRgb(0, 99, 128)) << p.x() << "," << p.y();
}

TEST(Thing, DiamondTouchesTheEdgeMiddlesAndIsSplitIntoLitFacets) {
  const QImage thing = drawThing();
  // The diagonals run from edge middle to edge middle.
  for (const int i : {1, 5, 10, 18, 23, 27}) {
    EXPECT_EQ(colourAt(thing, 14, i), qRgb(0, 0, 128)) << i;
    EXPECT_EQ(colourAt(thing, i, 14), qRgb(0, 0, 128)) << i;
  }
  // Next to a corner of the diamond lies the field.
  EXPECT_EQ(colourAt(thing, 13, 1), qRgb(0, 99, 128));
  EXPECT_EQ(colourAt(thing, 27, 13), qRgb(0, 99, 128));
  EXPECT_EQ(colourAt(thing, 9, 9), qRgb(87, 87, 255));
  EXPECT_EQ(colourAt(thing, 19, 9), qRgb(64, 64, 255));
  EXPECT_EQ(colourAt(thing, 9, 19), qRgb(64, 64, 255));
  EXPECT_EQ(colourAt(thing, 19, 19), qRgb(0, 0, 215));
  // The diamond's slanted rim: one step in is gem, one step out is field.
  EXPECT_EQ(colourAt(thing, 7, 8), qRgb(87, 87, 255));
  EXPECT_EQ(colourAt(thing, 7, 7), qRgb(0, 99, 128));
}

TEST(Thing, SparkleIsAWhiteCrossFadingToCyanSevenPixelsAcross) {
  const QImage thing = drawThing();
  const QRgb expected[] = {qRgb(0, 208, 208), qRgb(0, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255),
                           qRgb(255, 255, 255), qRgb(0, 255, 255), qRgb(0, 208, 208)};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(colourAt(thing, 11 + i, 14), expected[i]) << "across " << i;
    EXPECT_EQ(colourAt(thing, 14, 11 + i), expected[i]) << "down " << i;
  }
  EXPECT_EQ(colourAt(thing, 10, 14), qRgb(0, 0, 128));
  EXPECT_EQ(colourAt(thing, 13, 13), qRgb(87, 87, 255));
}

TEST(Thing, IsLitFromTheTopLeftSoItMirrorsAcrossThatDiagonal) {
  const QImage thing = drawThing();
  for (int y = 0; y < 29; ++y)
    for (int x = 0; x < 29; ++x) ASSERT_EQ(thing.pixel(x, y), thing.pixel(y, x)) << x << "," << y;
}

TEST(Thing, AtDoubleDensityKeepsItsLogicalSizeAndColours) {
  const QImage thing = drawThing(2.0);
  EXPECT_EQ(thing.size(), QSize(58, 58));
  EXPECT_DOUBLE_EQ(thing.devicePixelRatio(), 2.0);
  EXPECT_EQ(test::coloursOf(thing), test::coloursOf(drawThing()));
}

TEST(Icon, At32PixelsClearsTheBottomRowAndRightColumn) {
  const QImage icon = drawIcon(32);
  ASSERT_EQ(icon.size(), QSize(32, 32));
  for (int i = 0; i < 32; ++i) {
    EXPECT_EQ(qAlpha(icon.pixel(i, 31)), 0) << i;
    EXPECT_EQ(qAlpha(icon.pixel(31, i)), 0) << i;
  }
  for (int y = 0; y < 31; ++y)
    for (int x = 0; x < 31; ++x) ASSERT_EQ(qAlpha(icon.pixel(x, y)), 255) << x << "," << y;
}

TEST(Icon, At32PixelsShowsTheOutlinedGemWithAnEdgedWhiteCross) {
  const QImage icon = drawIcon(32);
  EXPECT_EQ(colourAt(icon, 1, 1), qRgb(0, 128, 128));
  EXPECT_EQ(colourAt(icon, 30, 30), qRgb(0, 128, 128));
  // Outline, then navy inner line, at each corner of the diamond.
  EXPECT_EQ(colourAt(icon, 15, 0), qRgb(0, 0, 0));
  EXPECT_EQ(colourAt(icon, 0, 15), qRgb(0, 0, 0));
  EXPECT_EQ(colourAt(icon, 30, 15), qRgb(0, 0, 0));
  // Along a slanted side: field, outline, inner line, gem.
  EXPECT_EQ(colourAt(icon, 7, 7), qRgb(0, 128, 128));
  EXPECT_EQ(colourAt(icon, 7, 8), qRgb(0, 0, 0));
  EXPECT_EQ(colourAt(icon, 8, 8), qRgb(0, 0, 128));
  EXPECT_EQ(colourAt(icon, 8, 9), qRgb(0, 255, 255));
  EXPECT_EQ(colourAt(icon, 10, 10), qRgb(0, 255, 255));
  EXPECT_EQ(colourAt(icon, 20, 20), qRgb(0, 255, 255));
  EXPECT_EQ(colourAt(icon, 15, 6), qRgb(0, 0, 128));
  EXPECT_EQ(colourAt(icon, 24, 15), qRgb(0, 0, 128));
  for (int i = 13; i <= 17; ++i) {
    EXPECT_EQ(colourAt(icon, i, 15), qRgb(255, 255, 255)) << i;
    EXPECT_EQ(colourAt(icon, 15, i), qRgb(255, 255, 255)) << i;
  }
  for (const QPoint p : {QPoint(12, 15), QPoint(18, 15), QPoint(15, 12), QPoint(15, 18), QPoint(14, 14),
                         QPoint(16, 16), QPoint(14, 18)})
    EXPECT_EQ(colourAt(icon, p.x(), p.y()), qRgb(0, 0, 255)) << p.x() << "," << p.y();
}

TEST(Icon, EverySizeIsDrawnSharpWithTheMotifCentred) {
  const std::set<QRgb> motif{qRgb(0, 128, 128), qRgb(0, 255, 255), qRgb(0, 0, 0),
                             qRgb(0, 0, 128),   qRgb(255, 255, 255), qRgb(0, 0, 255)};
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon = drawIcon(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    std::set<QRgb> used;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QRgb pixel = icon.pixel(x, y);
        ASSERT_TRUE(qAlpha(pixel) == 0 || qAlpha(pixel) == 255) << size << " blended at " << x << "," << y;
        if (qAlpha(pixel) == 255) used.insert(pixel);
      }
    EXPECT_EQ(used, motif) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
    const int centre = (size - 2) / 2;
    EXPECT_EQ(colourAt(icon, centre, centre), qRgb(255, 255, 255)) << size;
    EXPECT_EQ(colourAt(icon, 0, 0), qRgb(0, 128, 128)) << size;
    // Outline at the top corner of the diamond, lines scaled with the size.
    EXPECT_EQ(colourAt(icon, centre, 0), qRgb(0, 0, 0)) << size;
  }
}

TEST(Icon, WindowIconOffersEverySize) {
  const QIcon icon = windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
  EXPECT_EQ(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32),
            drawIcon(32).convertToFormat(QImage::Format_ARGB32));
}

TEST(Icon, UnusableSizesStillGiveAPicture) {
  EXPECT_EQ(drawIcon(0).size(), QSize(1, 1));
  EXPECT_EQ(drawIcon(-5).size(), QSize(1, 1));
  EXPECT_EQ(drawIcon(1).size(), QSize(1, 1));
  EXPECT_EQ(drawIcon(3).size(), QSize(3, 3));
}

}  // namespace
}  // namespace gorbix::art
