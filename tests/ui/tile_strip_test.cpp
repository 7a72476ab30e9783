// The tile strip against the anatomy of a tile face, cell by cell.
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <string>

#include "game/tiles.h"
#include "pixel_probe.h"
#include "ui/art/tile_art.h"

namespace gorbix::art {
namespace {

using test::colourAt;

const QRgb kOutline = qRgb(0, 96, 0);
const QRgb kGreenLight = qRgb(0, 230, 0);
const QRgb kGreenDark = qRgb(0, 128, 0);
const QRgb kGreenFace = qRgb(0, 183, 0);
const QRgb kRedLight = qRgb(255, 132, 132);
const QRgb kRedDark = qRgb(202, 0, 0);
const QRgb kRedFace = qRgb(255, 77, 77);
const QRgb kTrack = qRgb(192, 192, 192);
const QRgb kShadow = qRgb(128, 128, 128);
const QRgb kBlue = qRgb(0, 128, 255);

bool isTrack(QRgb colour) { return colour == kTrack || colour == kShadow; }

// One 45 x 45 cell of the strip, addressed in the cell's own pixels.
class Cell {
 public:
  Cell(const QImage& strip, char code) : strip_(strip) {
    const StripCell cell = LetterToStripCell(code);
    ox_ = (cell.col - 1) * kTileSize;
    oy_ = (cell.row - 1) * kTileSize;
  }
  QRgb operator()(int x, int y) const { return colourAt(strip_, ox_ + x, oy_ + y); }

 private:
  const QImage& strip_;
  int ox_ = 0;
  int oy_ = 0;
};

class TileStrip : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { strip_ = new QImage(drawStrip(1.0)); }
  static void TearDownTestSuite() {
    delete strip_;
    strip_ = nullptr;
  }
  static const QImage& strip() { return *strip_; }
  static Cell cell(char code) { return Cell(*strip_, code); }

 private:
  static QImage* strip_;
};
QImage* TileStrip::strip_ = nullptr;

// Every code of the strip, "A" up to the grave accent.
std::string allCodes() {
  std::string codes;
  for (char c = 'A'; c <= '`'; ++c) codes += c;
  return codes;
}

TEST_F(TileStrip, IsEightByFourCellsOfFortyFivePixels) {
  EXPECT_EQ(strip().width(), 360);
  EXPECT_EQ(strip().height(), 180);
  EXPECT_DOUBLE_EQ(strip().devicePixelRatio(), 1.0);
}

TEST_F(TileStrip, TileWithoutTrackShowsOutlineBevelMitresAndFace) {
  const Cell h = cell('H');
  for (int i = 0; i < kTileSize; ++i) {
    EXPECT_EQ(h(i, 0), kOutline) << i;
    EXPECT_EQ(h(i, 44), kOutline) << i;
    EXPECT_EQ(h(0, i), kOutline) << i;
    EXPECT_EQ(h(44, i), kOutline) << i;
  }
  for (int depth = 1; depth <= 3; ++depth) {
    EXPECT_EQ(h(22, depth), kGreenLight) << "top bevel " << depth;
    EXPECT_EQ(h(depth, 22), kGreenLight) << "left bevel " << depth;
    EXPECT_EQ(h(22, 44 - depth), kGreenDark) << "bottom bevel " << depth;
    EXPECT_EQ(h(44 - depth, 22), kGreenDark) << "right bevel " << depth;
    // The mitres run diagonally through all four corners.
    EXPECT_EQ(h(depth, depth), kOutline);
    EXPECT_EQ(h(44 - depth, depth), kOutline);
    EXPECT_EQ(h(depth, 44 - depth), kOutline);
    EXPECT_EQ(h(44 - depth, 44 - depth), kOutline);
  }
  // Beside a mitre the bevel belongs to the nearer side.
  EXPECT_EQ(h(3, 1), kGreenLight);
  EXPECT_EQ(h(1, 3), kGreenLight);
  EXPECT_EQ(h(41, 1), kGreenLight);
  EXPECT_EQ(h(43, 3), kGreenDark);
  EXPECT_EQ(h(1, 41), kGreenLight);
  EXPECT_EQ(h(3, 43), kGreenDark);
  for (int i = 4; i <= 40; ++i) {
    EXPECT_EQ(h(i, 4), kOutline) << i;
    EXPECT_EQ(h(4, i), kOutline) << i;
    EXPECT_EQ(h(i, 40), kOutline) << i;
    EXPECT_EQ(h(40, i), kOutline) << i;
  }
  for (int y = 5; y <= 39; ++y)
    for (int x = 5; x <= 39; ++x) ASSERT_EQ(h(x, y), kGreenFace) << x << "," << y;
}

TEST_F(TileStrip, VisitedTilesUseTheRedBevelAndFaceWithADarkGreenOutline) {
  const Cell v = cell('V');  // visited up-down straight
  EXPECT_EQ(v(0, 10), kOutline);
  EXPECT_EQ(v(10, 44), kOutline);
  EXPECT_EQ(v(10, 2), kRedLight);
  EXPECT_EQ(v(2, 10), kRedLight);
  EXPECT_EQ(v(10, 42), kRedDark);
  EXPECT_EQ(v(42, 10), kRedDark);
  EXPECT_EQ(v(2, 2), kOutline);
  EXPECT_EQ(v(10, 4), kOutline);
  EXPECT_EQ(v(10, 10), kRedFace);
  EXPECT_EQ(v(35, 30), kRedFace);
}

TEST_F(TileStrip, StraightBandsAreFivePixelsWithEdgesAndATopLeftShadow) {
  const QRgb across[] = {kOutline, kShadow, kShadow, kTrack, kTrack, kTrack, kOutline};  // pixels 19 to 25
  const Cell g = cell('G'), f = cell('F');  // left-right and up-down straights
  for (int i = 0; i < kTileSize; ++i) {
    for (int d = 0; d < 7; ++d) {
      EXPECT_EQ(g(i, 19 + d), across[d]) << i << "," << 19 + d;
      EXPECT_EQ(f(19 + d, i), across[d]) << 19 + d << "," << i;
    }
  }
  // The band cuts the bevel and face; off the band they are untouched.
  EXPECT_EQ(g(2, 18), kGreenLight);
  EXPECT_EQ(g(2, 26), kGreenLight);
  EXPECT_EQ(g(42, 26), kGreenDark);
  EXPECT_EQ(g(22, 17), kGreenFace);
}

// The band is the union of 5 px arms from the centre to each open side: it
// must be grey all through (junctions are one piece, no edge line crosses
// them) and ringed by dark green wherever it meets the tile.
TEST_F(TileStrip, EveryJunctionIsOneGreyPieceRingedByEdgeLines) {
  for (const char code : allCodes()) {
    if (code == kHole) continue;
    const std::string_view open = TileOpenings(code);
    auto inBand = [&open](int x, int y) {
      if (x < 0 || y < 0 || x > 44 || y > 44) return false;
      const bool vertical = x >= 20 && x <= 24, horizontal = y >= 20 && y <= 24;
      return (vertical && ((open.find('u') != open.npos && y <= 24) || (open.find('d') != open.npos && y >= 20))) ||
             (horizontal && ((open.find('l') != open.npos && x <= 24) || (open.find('r') != open.npos && x >= 20)));
    };
    const Cell c = cell(code);
    for (int y = 0; y < kTileSize; ++y) {
      for (int x = 0; x < kTileSize; ++x) {
        if (inBand(x, y)) {
          ASSERT_TRUE(isTrack(c(x, y))) << code << " at " << x << "," << y;
          continue;
        }
        bool beside = false;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) beside = beside || inBand(x + dx, y + dy);
        if (beside) ASSERT_EQ(c(x, y), kOutline) << code << " edge at " << x << "," << y;
        else ASSERT_FALSE(isTrack(c(x, y))) << code << " stray track at " << x << "," << y;
      }
    }
  }
}

TEST_F(TileStrip, TheShadowTurnsWithTheTrackAtACorner) {
  const Cell k = cell('K');  // down and right
  // Along the top of the right arm and down the left of the down arm...
  EXPECT_EQ(k(30, 20), kShadow);
  EXPECT_EQ(k(20, 30), kShadow);
  // ...meeting in the corner, which is lit on its inside.
  EXPECT_EQ(k(20, 20), kShadow);
  EXPECT_EQ(k(21, 21), kShadow);
  EXPECT_EQ(k(22, 22), kTrack);
  EXPECT_EQ(k(30, 22), kTrack);
  EXPECT_EQ(k(22, 30), kTrack);
}

TEST_F(TileStrip, TheHoleIsAPlainBlueSquare) {
  const Cell x = cell('X');
  for (int py = 0; py < kTileSize; ++py)
    for (int px = 0; px < kTileSize; ++px) ASSERT_EQ(x(px, py), kBlue) << px << "," << py;
  // Where the hole sits in the strip, and nothing else is blue.
  EXPECT_EQ(colourAt(strip(), 315, 90), kBlue);
  EXPECT_EQ(colourAt(strip(), 359, 134), kBlue);
  EXPECT_NE(colourAt(strip(), 314, 90), kBlue);
  EXPECT_NE(colourAt(strip(), 315, 135), kBlue);
}

TEST_F(TileStrip, FreshAndVisitedFormsLieTwoRowsApartWithTheSameTrack) {
  for (char fresh = 'A'; fresh <= 'P'; ++fresh) {
    if (fresh == kBlocker) continue;
    const char visited = static_cast<char>(fresh + kVisitedOffset);
    const StripCell a = LetterToStripCell(fresh), b = LetterToStripCell(visited);
    EXPECT_EQ(b.col, a.col);
    EXPECT_EQ(b.row, a.row + 2);
    const Cell f = cell(fresh), v = cell(visited);
    int trackPixels = 0;
    for (int y = 0; y < kTileSize; ++y)
      for (int x = 0; x < kTileSize; ++x) {
        ASSERT_EQ(f(x, y) == kTrack, v(x, y) == kTrack) << fresh << " at " << x << "," << y;
        ASSERT_EQ(f(x, y) == kShadow, v(x, y) == kShadow) << fresh << " at " << x << "," << y;
        trackPixels += isTrack(f(x, y)) ? 1 : 0;
      }
    EXPECT_GT(trackPixels, 2 * 5 * 22) << fresh;
  }
}

// Dark-green pixels on the face above the left-right band: the figures.
int figurePixels(const Cell& c) {
  int count = 0;
  for (int y = 5; y <= 18; ++y)
    for (int x = 5; x <= 39; ++x) count += c(x, y) == kOutline ? 1 : 0;
  return count;
}

TEST_F(TileStrip, BonusTilesCarryTheirFiguresAndTheirVisitedFormsDoNot) {
  EXPECT_EQ(figurePixels(cell('G')), 0);
  EXPECT_EQ(figurePixels(cell('W')), 0);
  QImage previous;
  for (char bonus = 'M'; bonus <= 'P'; ++bonus) {
    const Cell fresh = cell(bonus);
    EXPECT_GT(figurePixels(fresh), 40) << bonus;
    EXPECT_EQ(figurePixels(cell(static_cast<char>(bonus + kVisitedOffset))), 0) << bonus;
    // The band below is that of a plain left-right straight.
    for (int x = 0; x < kTileSize; ++x) EXPECT_EQ(fresh(x, 22), kTrack);
    // Each value has a figure of its own.
    const StripCell sc = LetterToStripCell(bonus);
    const QImage figure = strip().copy((sc.col - 1) * kTileSize, (sc.row - 1) * kTileSize + 5, kTileSize, 14);
    EXPECT_NE(figure, previous) << bonus;
    previous = figure;
  }
}

TEST_F(TileStrip, OnlyTheTenColoursOccur) {
  const std::set<QRgb> allowed{kOutline, kGreenLight, kGreenDark, kGreenFace, kRedLight,
                               kRedDark, kRedFace,   kTrack,     kShadow,    kBlue};
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    const std::set<QRgb> used = test::coloursOf(drawStrip(ratio));
    EXPECT_EQ(used, allowed) << "ratio " << ratio;
  }
}

TEST_F(TileStrip, AtDoubleDensityEveryPixelBecomesACrispTwoByTwoBlock) {
  const QImage hi = drawStrip(2.0);
  ASSERT_EQ(hi.width(), 720);
  ASSERT_EQ(hi.height(), 360);
  EXPECT_DOUBLE_EQ(hi.devicePixelRatio(), 2.0);
  EXPECT_EQ(hi.deviceIndependentSize().toSize(), QSize(360, 180));
  for (int y = 0; y < hi.height(); ++y)
    for (int x = 0; x < hi.width(); ++x)
      ASSERT_EQ(colourAt(hi, x, y), colourAt(strip(), x / 2, y / 2)) << x << "," << y;
}

TEST_F(TileStrip, UnusableRatiosStillGiveAPicture) {
  for (const qreal ratio : {0.0, -3.0, std::numeric_limits<qreal>::quiet_NaN(), 1e9}) {
    const QImage image = drawStrip(ratio);
    EXPECT_FALSE(image.isNull()) << ratio;
    EXPECT_GT(image.devicePixelRatio(), 0.0);
  }
}

TEST_F(TileStrip, TilePixmapIsTheCodesCellOfTheStrip) {
  for (const char code : allCodes()) {
    const StripCell sc = LetterToStripCell(code);
    const QImage tile = tilePixmap(code).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(tile.size(), QSize(45, 45)) << code;
    EXPECT_EQ(tile, strip().copy((sc.col - 1) * 45, (sc.row - 1) * 45, 45, 45)) << code;
  }
  // The corners of the strip named by code.
  EXPECT_EQ(tilePixmap('A').toImage().convertToFormat(QImage::Format_RGB32), strip().copy(0, 0, 45, 45));
  EXPECT_EQ(tilePixmap('`').toImage().convertToFormat(QImage::Format_RGB32), strip().copy(315, 135, 45, 45));
  EXPECT_EQ(colourAt(tilePixmap('X').toImage(), 22, 22), kBlue);
}

TEST_F(TileStrip, TilePixmapAtDoubleDensityKeepsItsLogicalSize) {
  const QPixmap tile = tilePixmap('K', 2.0);
  EXPECT_EQ(tile.size(), QSize(90, 90));
  EXPECT_DOUBLE_EQ(tile.devicePixelRatio(), 2.0);
  EXPECT_EQ(tile.deviceIndependentSize().toSize(), QSize(45, 45));
  const QImage hi = drawStrip(2.0);
  const StripCell sc = LetterToStripCell('K');
  QImage expected = hi.copy((sc.col - 1) * 90, (sc.row - 1) * 90, 90, 90);
  expected.setDevicePixelRatio(2.0);
  EXPECT_EQ(tile.toImage().convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(TileStrip, ACodeOutsideTheTableShowsTheHole) {
  for (const char bad : {'\0', '@', 'a', '?'}) {
    const QImage tile = tilePixmap(bad).toImage();
    ASSERT_EQ(tile.size(), QSize(45, 45)) << int(bad);
    EXPECT_EQ(colourAt(tile, 0, 0), kBlue);
    EXPECT_EQ(colourAt(tile, 22, 22), kBlue);
  }
}

}  // namespace
}  // namespace gorbix::art
