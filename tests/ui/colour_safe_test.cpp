// The colour-safe tiles: their faces stay apart for colour-blind players,
// visited tiles carry a mark that needs no colour, and what sits on the
// faces stays readable. Every colour is taken from the painter itself.
#include <QImage>

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>
#include <string>

#include "colour_vision.h"
#include "game/tiles.h"
#include "pixel_probe.h"
#include "ui/art/tile_art.h"

namespace gorbix::art {
namespace {

using test::colourAt;
using test::deltaE;
using test::seenAs;
using test::Vision;
using test::visions;

struct Faces {
  const char* name;
  QRgb first;
  QRgb second;
};

std::array<Faces, 3> pairsToTellApart(const TilePalette& p) {
  return {{{"fresh/visited", p.fresh.face, p.visited.face},
           {"fresh/hole", p.fresh.face, p.hole},
           {"visited/hole", p.visited.face, p.hole}}};
}

struct Figures {
  double dE;
  double dL;
};

Figures figures(QRgb a, QRgb b, const Vision& vision) {
  const test::Lab p = seenAs(a, vision), q = seenAs(b, vision);
  return {deltaE(p, q), std::abs(p.L - q.L)};
}

// The colour covering most of a cell's face (pixels 5 to 39 each way).
QRgb mainFaceColour(const QImage& tile) {
  std::map<QRgb, int> counts;
  for (int y = 5; y <= 39; ++y)
    for (int x = 5; x <= 39; ++x) ++counts[colourAt(tile, x, y)];
  return std::max_element(counts.begin(), counts.end(), [](auto& p, auto& q) { return p.second < q.second; })->first;
}

QImage tileImage(char code, TileLook look) {
  return tilePixmap(code, 1.0, look).toImage().convertToFormat(QImage::Format_RGB32);
}

// The figures quoted for the designed faces: a deuteranope sees green and
// red 12 apart at the same lightness, a tritanope green and blue 27 apart.
// The same sums must then pass the colour-safe faces.
TEST(ColourSafe, TheSimulationFindsTheDesignedFacesConfusable) {
  const TilePalette& designed = tilePalette(TileLook::Designed);
  const Figures deutan = figures(designed.fresh.face, designed.visited.face, visions()[2]);
  EXPECT_NEAR(deutan.dE, 12.2, 0.5);
  EXPECT_LT(deutan.dL, 2.0);
  const Figures tritan = figures(designed.fresh.face, designed.hole, visions()[3]);
  EXPECT_NEAR(tritan.dE, 26.6, 0.5);
  // Normal vision is not fooled.
  EXPECT_GT(figures(designed.fresh.face, designed.visited.face, visions()[0]).dE, 100.0);
}

TEST(ColourSafe, EveryPairOfFacesStaysApartUnderEveryVision) {
  const TilePalette& safe = tilePalette(TileLook::ColourSafe);
  for (const Vision& vision : visions()) {
    for (const Faces& pair : pairsToTellApart(safe)) {
      const Figures f = figures(pair.first, pair.second, vision);
      std::cout << "  " << vision.name << ' ' << pair.name << ": dE " << f.dE << ", dL* " << f.dL << '\n';
      EXPECT_GE(f.dE, 40.0) << vision.name << ' ' << pair.name;
      EXPECT_GE(f.dL, 15.0) << vision.name << ' ' << pair.name;
    }
  }
}

// The figures above hold only if the strip is painted with those colours.
TEST(ColourSafe, TheFacesOnTheStripAreThePalettes) {
  for (const TileLook look : {TileLook::Designed, TileLook::ColourSafe}) {
    const TilePalette& palette = tilePalette(look);
    for (char code = 'A'; code <= '`'; ++code) {
      const QRgb expected = code == kHole ? palette.hole : IsFresh(code) ? palette.fresh.face : palette.visited.face;
      EXPECT_EQ(mainFaceColour(tileImage(code, look)), expected) << code;
    }
  }
}

// Pixels of the face below the centre and clear of any track, where the
// visited mark shows and no bonus figure is drawn.
std::set<int> greyLevelsBelowTrack(const QImage& grey) {
  std::set<int> levels;
  for (int y = 27; y <= 39; ++y)
    for (int x = 5; x <= 39; ++x)
      if (x < 18 || x > 26) levels.insert(qGray(grey.pixel(x, y)));
  return levels;
}

TEST(ColourSafe, AGreyScalePictureTellsVisitedFromFresh) {
  for (char fresh = 'A'; fresh <= 'P'; ++fresh) {
    if (fresh == kBlocker) continue;
    const char visited = static_cast<char>(fresh + kVisitedOffset);
    const QImage a = tileImage(fresh, TileLook::ColourSafe).convertToFormat(QImage::Format_Grayscale8);
    const QImage b = tileImage(visited, TileLook::ColourSafe).convertToFormat(QImage::Format_Grayscale8);
    EXPECT_NE(a, b) << fresh;
    // Not by its shade alone: the visited face carries a pattern.
    EXPECT_EQ(greyLevelsBelowTrack(a).size(), 1u) << fresh;
    EXPECT_GE(greyLevelsBelowTrack(b).size(), 2u) << visited;
  }
  // The designed look stays as it was, unmarked.
  const QImage plain = tileImage('W', TileLook::Designed).convertToFormat(QImage::Format_Grayscale8);
  EXPECT_EQ(greyLevelsBelowTrack(plain).size(), 1u);
}

// Lightness apart, as seen by every vision.
double minLightnessGap(QRgb a, QRgb b) {
  double gap = 1e9;
  for (const Vision& vision : visions()) gap = std::min(gap, figures(a, b, vision).dL);
  return gap;
}

TEST(ColourSafe, TrackFiguresBevelAndThingStayReadableOnEveryFace) {
  const TilePalette& safe = tilePalette(TileLook::ColourSafe);
  const QImage thing = drawThing();
  const QRgb thingEdges[] = {colourAt(thing, 0, 0), colourAt(thing, 28, 28)};
  for (const FaceColours* face : {&safe.fresh, &safe.visited}) {
    const double L = seenAs(face->face, visions()[0]).L;
    EXPECT_GT(seenAs(face->light, visions()[0]).L, L + 5) << "the bevel is lit on top";
    EXPECT_LT(seenAs(face->dark, visions()[0]).L, L - 5) << "and shaded below";
    EXPECT_GE(minLightnessGap(safe.line, face->face), 30.0) << "the track's edges";
    EXPECT_GE(minLightnessGap(safe.line, safe.track), 30.0) << "the track against its edges";
    // The Thing stands out from a face at least as far as the faces from each other.
    for (const QRgb edge : thingEdges) EXPECT_GE(minLightnessGap(edge, face->face), 15.0) << "the Thing's plate";
  }
  // The bonus figures are drawn on fresh faces only.
  EXPECT_GE(minLightnessGap(safe.line, safe.fresh.face), 40.0);
  EXPECT_GE(minLightnessGap(safe.mark, safe.visited.face), 15.0) << "the mark shows in grey";
}

// Zoomed tiles are painted again at their size: every pixel one of the
// strip's colours, each tile pixel a block of whole pixels.
TEST(ZoomedPictures, AtThreeTimesEveryPixelIsAThreeByThreeBlock) {
  for (const TileLook look : {TileLook::Designed, TileLook::ColourSafe}) {
    const QImage strip = drawStrip(3.0, look);
    for (const char code : {'A', 'K', 'M', 'W', 'X'}) {
      const QPixmap zoomed = tilePixmap(code, QSize(135, 135), 1.0, look);
      ASSERT_EQ(zoomed.size(), QSize(135, 135));
      EXPECT_DOUBLE_EQ(zoomed.devicePixelRatio(), 1.0);
      const StripCell cell = LetterToStripCell(code);
      const QImage expected = strip.copy((cell.col - 1) * 135, (cell.row - 1) * 135, 135, 135);
      QImage got = zoomed.toImage().convertToFormat(QImage::Format_RGB32);
      got.setDevicePixelRatio(expected.devicePixelRatio());
      EXPECT_EQ(got, expected) << code;
    }
  }
  QImage thing = drawThing(QSize(87, 87), 1.0);
  thing.setDevicePixelRatio(3.0);
  EXPECT_EQ(thing, drawThing(3.0));
}

TEST(ZoomedPictures, AtOneAndAHalfTilesOfSixtySevenAndSixtyEightPixelsKeepEveryPixel) {
  const QImage designed = tileImage('K', TileLook::ColourSafe);
  const std::set<QRgb> colours = test::coloursOf(designed);
  for (const QSize size : {QSize(67, 68), QSize(68, 67), QSize(68, 68)}) {
    const QImage zoomed =
        tilePixmap('K', size, 1.0, TileLook::ColourSafe).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(zoomed.size(), size);
    for (const QRgb c : test::coloursOf(zoomed)) EXPECT_TRUE(colours.count(c | 0xff000000u)) << std::hex << c;
    // The middle of each tile pixel's block shows that pixel.
    for (int y = 0; y < kTileSize; ++y)
      for (int x = 0; x < kTileSize; ++x) {
        const int dx = static_cast<int>((x + 0.5) * size.width() / kTileSize);
        const int dy = static_cast<int>((y + 0.5) * size.height() / kTileSize);
        ASSERT_EQ(colourAt(zoomed, dx, dy), colourAt(designed, x, y)) << size.width() << "x" << size.height() << " at "
                                                                      << x << "," << y;
      }
  }
}

}  // namespace
}  // namespace gorbix::art
