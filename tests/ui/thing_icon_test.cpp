// The Thing's picture and the window icon against their descriptions.
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

#include "pixel_probe.h"
#include "ui/art/tile_art.h"

namespace gorbix::art {
namespace {

using test::colourAt;

struct Probe {
  int x;
  int y;
  QRgb colour;
};

void expectPixels(const QImage& image, std::initializer_list<Probe> probes) {
  for (const Probe& p : probes) EXPECT_EQ(colourAt(image, p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(Thing, IsARaisedPlateWithALitDiamondAndASparkle) {
  const QImage thing = drawThing();
  ASSERT_EQ(thing.size(), QSize(29, 29));
  EXPECT_FALSE(thing.hasAlphaChannel());
  for (int i = 0; i < 28; ++i) {
    EXPECT_EQ(colourAt(thing, i, 0), qRgb(0, 0, 215)) << i;
    EXPECT_EQ(colourAt(thing, 0, i), qRgb(0, 0, 215)) << i;
    EXPECT_EQ(colourAt(thing, i + 1, 28), qRgb(0, 0, 128)) << i;
    EXPECT_EQ(colourAt(thing, 28, i + 1), qRgb(0, 0, 128)) << i;
  }
  // The diagonals run from edge middle to edge middle.
  for (const int i : {1, 5, 10, 18, 23, 27}) {
    EXPECT_EQ(colourAt(thing, 14, i), qRgb(0, 0, 128)) << i;
    EXPECT_EQ(colourAt(thing, i, 14), qRgb(0, 0, 128)) << i;
  }
  const QRgb field = qRgb(0, 99, 128);
  expectPixels(thing, {// The field outside the diamond, also right beside its corners and its slanted rim.
                       {1, 1, field}, {27, 1, field}, {1, 27, field}, {27, 27, field}, {6, 6, field}, {13, 1, field},
                       {27, 13, field}, {7, 7, field}, {7, 8, qRgb(87, 87, 255)},
                       // The four facets, lit from the top left.
                       {9, 9, qRgb(87, 87, 255)}, {19, 9, qRgb(64, 64, 255)}, {9, 19, qRgb(64, 64, 255)},
                       {19, 19, qRgb(0, 0, 215)}, {10, 14, qRgb(0, 0, 128)}, {13, 13, qRgb(87, 87, 255)}});
  // The sparkle: a white cross fading to cyan, seven pixels across.
  const QRgb sparkle[] = {qRgb(0, 208, 208), qRgb(0, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255),
                          qRgb(255, 255, 255), qRgb(0, 255, 255), qRgb(0, 208, 208)};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(colourAt(thing, 11 + i, 14), sparkle[i]) << "across " << i;
    EXPECT_EQ(colourAt(thing, 14, 11 + i), sparkle[i]) << "down " << i;
  }
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
  const QRgb field = qRgb(0, 128, 128), outline = qRgb(0, 0, 0), navy = qRgb(0, 0, 128), gem = qRgb(0, 255, 255),
             blue = qRgb(0, 0, 255);
  expectPixels(icon, {{1, 1, field}, {30, 30, field},
                      // Outline at each corner of the diamond; along a slanted side field, outline, inner line, gem.
                      {15, 0, outline}, {0, 15, outline}, {30, 15, outline}, {7, 7, field}, {7, 8, outline},
                      {8, 8, navy}, {8, 9, gem}, {10, 10, gem}, {20, 20, gem}, {15, 6, navy}, {24, 15, navy},
                      // The white cross is edged in blue.
                      {12, 15, blue}, {18, 15, blue}, {15, 12, blue}, {15, 18, blue}, {14, 14, blue}, {16, 16, blue},
                      {14, 18, blue}});
  for (int i = 13; i <= 17; ++i) {
    EXPECT_EQ(colourAt(icon, i, 15), qRgb(255, 255, 255)) << i;
    EXPECT_EQ(colourAt(icon, 15, i), qRgb(255, 255, 255)) << i;
  }
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
